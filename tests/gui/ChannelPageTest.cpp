// The channel grid as a person uses it: channels started, changed and cleared by typing and
// clicking into the real grid, with the project image checked after every story.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "gui/UiText.h"
#include "mainwindow/ui/ChannelPage.h"
#include "model/ProjectFile.h"
#include "model/ToneCodec.h"
#include "support/GridDriver.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

using testing::Find;

using namespace testing::grid_columns;

class ChannelPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        harness.Build();
        grid = Find<QTableView>(harness.page.get(), "StringGrid1");
        ASSERT_NE(grid, nullptr);
        driver = testing::GridDriver(grid);
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    ChannelRecord Channel(int n) { return harness.data.image.Channel(n); }
    QModelIndex Cell(int row, int column) const { return driver.Cell(row, column); }
    QString Text(int row, int column) const { return driver.Text(row, column); }
    QStringList RowTexts(int row) const { return driver.RowTexts(row); }
    QWidget* OpenEditor() const { return driver.OpenEditor(); }
    template <typename Editor>
    Editor* OpenEditorNamed(const char* name) const {
        return driver.OpenEditorNamed<Editor>(name);
    }
    void Click(int row, int column) { driver.Click(row, column); }
    void TypeInto(int row, int column, const QString& text) { driver.TypeInto(row, column, text); }
    void Press(Qt::Key key) { driver.Press(key); }
    void StartChannel(int row, const QString& rx) { driver.Enter(row, kRx, rx); }

    testing::PageHarness<ChannelPage> harness;
    QTableView* grid = nullptr;
    testing::GridDriver driver{nullptr};
};

TEST_F(ChannelPageTest, TypingIntoAnEmptyReceiveCellStartsAChannelWithTheNewChannelDefaults) {
    QSignalSpy edited(harness.page.get(), &MainWindowPage::projectEdited);
    grid->setCurrentIndex(Cell(0, kRx));
    QTest::keyClick(grid, '1');
    auto* edit = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "1");  // the digit that opened the editor is its first character

    QTest::keyClicks(edit, "00");
    Press(Qt::Key_Return);

    EXPECT_EQ(OpenEditor(), nullptr);  // Enter ended the edit
    EXPECT_EQ(RowTexts(0),
              QStringList({"400.00000", "400.00000", "Off", "Off", "High", "Wide", "OFF"}));
    EXPECT_TRUE(harness.data.image.IsChannelValid(1));
    EXPECT_EQ(Channel(1).TxFreq(), 400000000u);
    EXPECT_EQ(Channel(1).FlagsB(), channel::NewChannelFlagsB);
    EXPECT_EQ(edited.count(), 1);
}

TEST_F(ChannelPageTest, AnUnusedChannelIsStartedOnlyFromItsReceiveCell) {
    grid->setCurrentIndex(Cell(2, kRx));
    for (int column = kTx; column <= kBusy; ++column) {
        Click(2, column);
        EXPECT_EQ(OpenEditor(), nullptr) << "column " << column;
        EXPECT_EQ(grid->currentIndex(), Cell(2, kRx)) << "column " << column;
    }
    EXPECT_FALSE(harness.data.image.IsChannelValid(3));

    QTest::keyClick(grid, '4');
    auto* edit = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "4");
}

TEST_F(ChannelPageTest, AShiftClickPicksChannelsInsteadOfEditing) {
    StartChannel(0, "438");
    StartChannel(1, "439");
    grid->setSelectionMode(QAbstractItemView::ExtendedSelection);  // as the channel commands do
    grid->setCurrentIndex(Cell(0, kRx));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->visualRect(Cell(1, kRx)).center());
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 2);
}

TEST_F(ChannelPageTest, EmptyingTheReceiveCellClearsTheRowAndTheSavedFileHasTheChannelUnused) {
    StartChannel(4, "438");
    ASSERT_TRUE(harness.data.image.IsChannelValid(5));

    Click(4, kRx);
    auto* edit = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), "438.00000");
    Press(Qt::Key_Backspace);  // the whole text is selected on opening
    Press(Qt::Key_Return);

    EXPECT_EQ(RowTexts(4), QStringList(7, QString()));
    EXPECT_FALSE(Cell(4, kTx).flags() & Qt::ItemIsEditable);
    const auto path = std::filesystem::temp_directory_path() / "grid_cleared_channel.Vkf";
    ASSERT_TRUE(SaveProject(path.string(), harness.data.image, harness.data.band));
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes(std::istreambuf_iterator<char>(file), {});
    std::filesystem::remove(path);
    ASSERT_EQ(bytes.size(), kProjectImageSize);
    EXPECT_EQ(bytes[image::ChannelValid.offset] & (1 << 5), 0);  // channel 5: bit 5 of byte 0
}

TEST_F(ChannelPageTest, TheFrequencyEditorKeepsOnlyWhatAFrequencyCanHold) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"438.006251", "438.00625"},  // a tenth character vanishes
        {"43.8.", "43.8"},            // so does a second point
        {"4a3b", "43"},               // letters are never taken
        {"4.", "4."},
    };
    for (const auto& c : cases) {
        TypeInto(0, kRx, c.typed);
        auto* edit = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text(), c.shown) << c.typed;
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << c.typed;
        Press(Qt::Key_Escape);
    }
    // A point on its own is taken out again.
    TypeInto(0, kRx, "4");
    auto* edit = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
    ASSERT_NE(edit, nullptr);
    edit->selectAll();
    QTest::keyClicks(edit, ".");
    EXPECT_EQ(edit->text(), "");
}

TEST_F(ChannelPageTest, AFrequencyEndingInThePointIsReportedAndNothingIsStored) {
    StartChannel(0, "438.5");
    QSignalSpy edited(harness.page.get(), &MainWindowPage::projectEdited);
    TypeInto(0, kTx, "400.");
    Press(Qt::Key_Return);
    EXPECT_EQ(harness.modals.Log(), QStringList({"'400.' is not a valid number"}));
    EXPECT_EQ(Channel(1).TxFreq(), 438500000u);
    EXPECT_EQ(Text(0, kTx), "438.50000");
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ChannelPageTest, TransmitFrequencySnapsToTheBandOrIsEmptiedToZero) {
    StartChannel(0, "438.5");
    const struct {
        const char* typed;
        uint32_t stored;
        const char* shown;
    } cases[] = {
        {"500", 480000000u, "480.00000"}, {"438.5126", 438512500u, "438.51250"}, {"0", 0u, "0"}};
    for (const auto& c : cases) {
        TypeInto(0, kTx, c.typed);
        Press(Qt::Key_Return);
        EXPECT_EQ(Channel(1).TxFreq(), c.stored) << c.typed;
        EXPECT_EQ(Text(0, kTx), c.shown) << c.typed;
    }
}

// The band clamp and the raster keep their rule, but a typed value that is not the stored one is
// said under the cell, in the window's language; a tone text the list cannot hold is refused
// aloud rather than dropped.
TEST_F(ChannelPageTest, AValueStoredOtherwiseThanTypedIsSaidUnderTheCell) {
    QLabel* notice = Find<QLabel>(harness.page.get(), "sValueNotice");
    ASSERT_NE(notice, nullptr);
    StartChannel(0, "520.1");
    EXPECT_EQ(Channel(1).RxFreq(), 480000000u);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), "520.1 is outside 400.00000-480.00000 MHz: stored 480.00000");
    EXPECT_EQ(notice->pos(), grid->viewport()->mapTo(harness.page.get(),
                                                     grid->visualRect(Cell(0, kRx)).bottomLeft()));

    Click(1, kRx);  // a click in the grid takes it away
    EXPECT_FALSE(notice->isVisible());
    TypeInto(0, kTx, "462.6789");
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1).TxFreq(), 462675000u);
    EXPECT_EQ(notice->text(), "462.6789 is not on the channel raster: stored 462.67500");
    EXPECT_TRUE(notice->isVisible());

    Click(1, kRx);
    TypeInto(0, kRxTone, "00");
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1).RxToneType(), kToneNone);
    EXPECT_EQ(notice->text(), "00 is not a tone of the list: the tone is unchanged");
    EXPECT_TRUE(notice->isVisible());

    TypeInto(0, kRx, "438.5");  // stored as typed: nothing to say
    Press(Qt::Key_Return);
    EXPECT_FALSE(notice->isVisible());

    harness.SetLanguage(kLanguageSettingSimplified);
    harness.page->RefreshFromModel();
    TypeInto(0, kRx, "520.1");
    Press(Qt::Key_Return);
    EXPECT_EQ(notice->text(),
              QString::fromUtf8("520.1 超出 400.00000-480.00000 MHz：已存为 480.00000"));
    harness.SetLanguage(kLanguageSettingTraditional);
    harness.page->RefreshFromModel();
    TypeInto(0, kTx, "462.6789");
    Press(Qt::Key_Return);
    EXPECT_EQ(notice->text(), QString::fromUtf8("462.6789 不在信道步進上：已存為 462.67500"));
}

TEST_F(ChannelPageTest, PassingThroughCellsChangesNothingTheyShow) {
    // A channel from a file: below today's band, and "no tone" stored with code 0.
    Channel(1).InitialiseNew(146520000);
    harness.data.image.SetChannelValid(1, true);
    harness.page->RefreshFromModel();
    QSignalSpy edited(harness.page.get(), &MainWindowPage::projectEdited);
    for (int column : {kRx, kTx, kRxTone}) {
        Click(0, column);
        Press(Qt::Key_Return);
    }
    EXPECT_EQ(Channel(1).RxFreq(), 146520000u);
    EXPECT_EQ(Channel(1).TxFreq(), 146520000u);
    EXPECT_EQ(Channel(1).RxToneCode(), 0);
    EXPECT_EQ(edited.count(), 0);
}

TEST_F(ChannelPageTest, AReceiveToneSwitchesTheSquelchModeBothWays) {
    StartChannel(0, "438");
    Click(0, kRxTone);
    auto* combo = OpenEditorNamed<QComboBox>("ComboBox1");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 261);
    EXPECT_EQ(combo->currentText(), "Off");
    QTest::keyClicks(combo, "d023n");  // tone letters are taken as upper case
    EXPECT_EQ(combo->currentText(), "D023N");
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1).RxToneType(), kToneDcsNormal);
    EXPECT_EQ(Channel(1).RxToneCode(), 0x2813);
    EXPECT_EQ(Channel(1).SquelchMode(), 2);  // carrier became CTC/DCS

    const struct {
        bool dtmf;
        uint8_t modeWithTone;
        uint8_t modeAfterOff;
    } cases[] = {{false, 2, 0}, {true, 3, 1}, {true, 4, 1}, {false, 3, 0}, {true, 2, 0}};
    for (const auto& c : cases) {
        Channel(1).SetRxTone(kToneCtcss, 885);
        Channel(1).SetDtmf(c.dtmf);
        Channel(1).SetSquelchMode(c.modeWithTone);
        Click(0, kRxTone);
        Press(Qt::Key_Backspace);  // an empty tone text means "Off"
        Press(Qt::Key_Return);
        EXPECT_EQ(Channel(1).RxToneType(), kToneNone);
        EXPECT_EQ(Channel(1).SquelchMode(), c.modeAfterOff)
            << "dtmf " << c.dtmf << " mode " << int(c.modeWithTone);
    }
    // A DTMF channel keeps its mode when it gets a tone: only carrier turns into CTC/DCS.
    Channel(1).SetSquelchMode(1);
    TypeInto(0, kRxTone, "67.0");
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(1).SquelchMode(), 1);
}

TEST_F(ChannelPageTest, ANonstandardToneIsKeptAndMarkedByTheTipAndTheHoverHint) {
    StartChannel(1, "438");
    QLabel* tip = Find<QLabel>(harness.page.get(), "sTiShi_0");
    ASSERT_NE(tip, nullptr);
    TypeInto(1, kTxTone, "69.0x#");  // characters no tone holds are dropped
    auto* combo = OpenEditorNamed<QComboBox>("ComboBox1");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), "69.0");
    const QPoint editorCorner = combo->mapTo(harness.page.get(), QPoint(0, 0));
    Press(Qt::Key_Return);

    EXPECT_EQ(Channel(2).TxToneType(), kToneCtcss);
    EXPECT_EQ(Channel(2).TxToneCode(), 690);
    EXPECT_EQ(Text(1, kTxTone), "69.0");
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), "Nonstandard value");
    EXPECT_EQ(tip->pos(), editorCorner + QPoint(50, 20));

    QTest::mouseMove(grid->viewport(), grid->visualRect(Cell(1, kRx)).center());
    QTest::mouseMove(grid->viewport(), grid->visualRect(Cell(1, kTxTone)).center());
    EXPECT_EQ(QToolTip::text(), "Nonstandard value");
    // The hint and the tip both show, apart.
    QWidget* hint = nullptr;
    for (QWidget* shown : QApplication::topLevelWidgets()) {
        hint = shown->inherits("QTipLabel") && shown->isVisible() ? shown : hint;
    }
    ASSERT_NE(hint, nullptr);
    EXPECT_FALSE(hint->geometry().intersects(QRect(tip->mapToGlobal(QPoint(0, 0)), tip->size())));
    EXPECT_EQ(Cell(1, kRxTone).data(Qt::ToolTipRole).toString(), "");

    // A standard tone takes the tip away; a sixth character is dropped on the way.
    TypeInto(1, kTxTone, "D754NN");
    EXPECT_EQ(OpenEditorNamed<QComboBox>("ComboBox1")->currentText(), "D754N");
    Press(Qt::Key_Return);
    EXPECT_EQ(Channel(2).TxToneCode(), 0x29EC);
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(ChannelPageTest, EachListEditorStoresAChoiceTheMomentItIsMade) {
    StartChannel(0, "438");
    QSignalSpy edited(harness.page.get(), &MainWindowPage::projectEdited);
    const struct {
        int column;
        const char* editor;
        QStringList items;
        int itemBefore;
        QString shownAfter;
    } cases[] = {{kPower, "cbChInfor_Pow", {"Low", "High"}, 1, "Low"},
                 {kBandwidth, "cbChInfor_Bandwidth", {"Narrow", "Wide"}, 1, "Narrow"},
                 {kBusy, "cbChInfor_BusyFit", {"OFF", "CAT"}, 0, "CAT"}};
    for (const auto& c : cases) {
        Click(0, c.column);
        auto* combo = OpenEditorNamed<QComboBox>(c.editor);
        ASSERT_NE(combo, nullptr);
        QStringList items;
        for (int i = 0; i < combo->count(); ++i) {
            items << combo->itemText(i);
        }
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(combo->currentIndex(), c.itemBefore);
        QTest::keyClick(combo, c.itemBefore == 1 ? Qt::Key_Up : Qt::Key_Down);
        EXPECT_EQ(Text(0, c.column), c.shownAfter) << "stored while the list is still open";
        Press(Qt::Key_Return);
        EXPECT_EQ(OpenEditor(), nullptr);
    }
    EXPECT_FALSE(Channel(1).HighPower());
    EXPECT_FALSE(Channel(1).Wide());
    EXPECT_EQ(Channel(1).BusyFit(), 2);
    EXPECT_EQ(edited.count(), 3);
}

TEST_F(ChannelPageTest, ABusyValueWithoutAnItemShowsNoChoiceAndSurvivesBeingLeft) {
    StartChannel(0, "438");
    Channel(1).SetBusyFit(1);  // signalling, as a radio may send it
    harness.page->RefreshFromModel();
    EXPECT_EQ(Text(0, kBusy), "CAT");
    Click(0, kBusy);
    auto* combo = OpenEditorNamed<QComboBox>("cbChInfor_BusyFit");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentIndex(), -1);
    harness.page->CommitPendingEdit();
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(Channel(1).BusyFit(), 1);
}

TEST_F(ChannelPageTest, TheKeyboardAloneFillsAChannelCellAfterCell) {
    TypeInto(0, kRx, "438.00625");
    Press(Qt::Key_Tab);
    auto* tx = OpenEditorNamed<QLineEdit>("Edit_ChFreq");
    ASSERT_NE(tx, nullptr);
    EXPECT_EQ(tx->text(), "438.00625");
    QTest::keyClicks(tx, "439");
    Press(Qt::Key_Tab);
    QTest::keyClicks(OpenEditorNamed<QComboBox>("ComboBox1"), "88.5");
    Press(Qt::Key_Tab);
    QTest::keyClicks(OpenEditorNamed<QComboBox>("ComboBox1"), "D023I");
    Press(Qt::Key_Tab);
    QTest::keyClick(OpenEditorNamed<QComboBox>("cbChInfor_Pow"), Qt::Key_Up);
    Press(Qt::Key_Tab);
    QTest::keyClick(OpenEditorNamed<QComboBox>("cbChInfor_Bandwidth"), Qt::Key_Up);
    Press(Qt::Key_Tab);
    QTest::keyClick(OpenEditorNamed<QComboBox>("cbChInfor_BusyFit"), Qt::Key_Down);
    Press(Qt::Key_Return);

    EXPECT_EQ(RowTexts(0),
              QStringList({"438.00625", "439.00000", "88.5", "D023I", "Low", "Narrow", "CAT"}));
    // Tab from the last cell of a row goes on to the next channel's receive frequency.
    grid->setCurrentIndex(Cell(0, kBusy));
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex(), Cell(1, kRx));
}

// Moving to a tone cell with the arrows and typing: the first key typed is the first
// character of the tone, as in a frequency cell.
TEST_F(ChannelPageTest, TheFirstKeyTypedIntoAToneCellIsKept) {
    StartChannel(0, "438.5");
    grid->setFocus();
    grid->setCurrentIndex(Cell(0, kTx));
    QTest::keyClick(grid, Qt::Key_Right);
    ASSERT_EQ(grid->currentIndex(), Cell(0, kRxTone));
    QTest::keyClicks(grid, "1");
    auto* tone = OpenEditorNamed<QComboBox>("ComboBox1");
    ASSERT_NE(tone, nullptr);
    QTest::keyClicks(tone, "00");
    Press(Qt::Key_Return);
    EXPECT_EQ(Text(0, kRxTone), "100.0");
}

// The channel number column and the caption row are resized by dragging their far edge,
// like every other column and row, and their sizes go to the configuration.
TEST_F(ChannelPageTest, TheHeaderColumnAndRowAreResizedByTheirEdge) {
    QHeaderView* numbers = grid->verticalHeader();
    QHeaderView* captions = grid->horizontalHeader();
    const int width = numbers->width();
    const int height = captions->height();
    const auto drag = [](QHeaderView* header, QPoint from, QPoint to) {
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(header->viewport(), to);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, to);
    };
    drag(numbers, QPoint(width - 2, 30), QPoint(width + 18, 30));
    drag(captions, QPoint(20, height - 2), QPoint(20, height + 10));
    EXPECT_EQ(numbers->width(), width + 18);
    EXPECT_EQ(captions->height(), height + 10);

    harness.page->StoreLayoutInConfiguration();
    EXPECT_EQ(harness.data.config.channelGridColumnWidths[0], width + 18);
    EXPECT_EQ(harness.data.config.channelGridRowHeights[0], height + 10);
}

TEST_F(ChannelPageTest, PendingEditIsStoredOnRequestAndARedrawDropsAStaleOne) {
    TypeInto(3, kRx, "450");
    harness.page->CommitPendingEdit();
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_EQ(Channel(4).RxFreq(), 450000000u);

    TypeInto(3, kRx, "460");
    ResetProjectToDefaults(harness.data);  // as New does before it redraws
    harness.page->RefreshFromModel();
    EXPECT_EQ(OpenEditor(), nullptr);
    EXPECT_FALSE(harness.data.image.IsChannelValid(4));
}

TEST_F(ChannelPageTest, CaptionsAndListsFollowTheLanguageAndSizesRoundTripThroughTheConfiguration) {
    StartChannel(0, "438");
    QHeaderView* header = grid->horizontalHeader();
    const auto caption = [&](int column) {
        return grid->model()->headerData(column, Qt::Horizontal).toString();
    };
    EXPECT_EQ(caption(kRx), "RX Freq.");
    EXPECT_EQ(caption(kBusy), "Busy Inhibit");
    EXPECT_EQ(grid->model()->headerData(15, Qt::Vertical).toString(), "16");

    harness.SetLanguage(kLanguageSettingTraditional);
    harness.page->RefreshFromModel();
    harness.SetLanguage(kLanguageSettingSimplified);
    harness.page->RefreshFromModel();
    EXPECT_EQ(caption(kRx), ui::UiText(harness.data.lang, 16));
    EXPECT_EQ(Text(0, kPower), ui::UiText(harness.data.lang, 26));
    Click(0, kPower);
    auto* power = OpenEditorNamed<QComboBox>("cbChInfor_Pow");
    ASSERT_NE(power, nullptr);
    EXPECT_EQ(power->count(), 2);
    EXPECT_EQ(power->currentIndex(), 1);
    harness.page->CommitPendingEdit();

    // Light rows carry their own dark text colour.
    EXPECT_EQ(Cell(0, kRx).data(Qt::BackgroundRole).value<QColor>(), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_TRUE(Cell(0, kRx).data(Qt::ForegroundRole).value<QColor>().lightness() < 64);
    EXPECT_FALSE(Cell(1, kRx).data(Qt::BackgroundRole).isValid());

    EXPECT_EQ(header->sectionSize(kRx), 64);
    EXPECT_EQ(grid->rowHeight(0), 20);
    header->resizeSection(kBusy, 99);
    grid->setRowHeight(15, 31);
    harness.page->StoreLayoutInConfiguration();
    EXPECT_EQ(harness.data.config.channelGridColumnWidths,
              (std::array<int, 8>{30, 64, 64, 74, 74, 64, 64, 99}));
    EXPECT_EQ(harness.data.config.channelGridRowHeights[16], 31);
    EXPECT_EQ(harness.data.config.channelGridRowHeights[0], 20);

    // The main window builds its pages before it reads the configuration.
    ChannelPage early(harness.context, nullptr);
    harness.data.config.channelGridColumnWidths[1] = 90;
    early.RefreshFromModel();
    EXPECT_EQ(Find<QTableView>(&early, "StringGrid1")->columnWidth(kRx), 90);
}

// The hover hint is a tool tip window that Qt parents to the grid's viewport, beside the
// editors. Storing or dropping the pending edit while it shows must not take it for one.
TEST_F(ChannelPageTest, AHoverHintOnShowIsNotTakenForTheOpenEditor) {
    StartChannel(1, "438");
    TypeInto(1, kTxTone, "69.0");
    Press(Qt::Key_Return);
    QTest::mouseMove(grid->viewport(), grid->visualRect(Cell(1, kRx)).center());
    QTest::mouseMove(grid->viewport(), grid->visualRect(Cell(1, kTxTone)).center());
    ASSERT_EQ(QToolTip::text(), "Nonstandard value");
    EXPECT_EQ(OpenEditor(), nullptr);

    static QStringList messages;
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
    harness.page->CommitPendingEdit();
    harness.page->RefreshFromModel();
    qInstallMessageHandler(previous);

    EXPECT_EQ(messages, QStringList()) << "the hint was handled as an editor of the grid";
    EXPECT_EQ(Channel(2).TxToneCode(), 690);
}

// A frequency that is not one is reported in a real message box, whose event loop runs on:
// here a radio read ends meanwhile and replaces the project, which closes the editor. The
// report must not run inside the editor's loss of the focus, or the application's focus is
// left on the deleted editor and the next focus change crashes.
TEST_F(ChannelPageTest, AFrequencyReportedWhileTheEditorLosesTheFocusLeavesNoFocusOnIt) {
    StartChannel(0, "438.5");
    TypeInto(0, kTx, "400.");
    QPointer<QWidget> editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    QApplication::setActiveWindow(harness.page.get());
    editor->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), editor.data());

    harness.modals.SetScripted(false);
    QTimer::singleShot(100, harness.page.get(), [this] { harness.page->RefreshFromModel(); });
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            box->close();
        }
    });
    closer.start(300);
    grid->setFocus();  // the editor loses the focus: its text is committed and reported
    for (int waited = 0; !editor.isNull() && waited < 3000; waited += 20) {
        QTest::qWait(20);
    }
    closer.stop();
    harness.modals.SetScripted(true);

    EXPECT_TRUE(editor.isNull());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(Cell(2, kRx)).center());
    EXPECT_EQ(Channel(1).TxFreq(), 438500000u);
}

}  // namespace
}  // namespace radioprog::ui
