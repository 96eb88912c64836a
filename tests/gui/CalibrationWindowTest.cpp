// The calibration window as a service person uses it without a radio: the squelch-offset rows
// follow the band, every editor keeps to its family's rules, and the record survives New,
// Save and Open.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "calibration/ui/TAdjustmentDlg.h"
#include "calibration/ui/UpDown.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"
#include "support/TempFolder.h"

namespace radioprog::ui {
namespace {

using testing::Find;

class CalibrationWindow : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    CalibrationWindow() { ResetCalibrationData(data.calibration, data.band); }
    ~CalibrationWindow() override { testing::CloseStrayWindows(); }

    // Types into the named edit from empty, then leaves it.
    QLineEdit* Enter(TAdjustmentDlg& window, const char* name, const QString& typed) {
        QLineEdit* edit = Find<QLineEdit>(&window, name);
        edit->clear();
        QTest::keyClicks(edit, typed);
        window.EditExit(*edit);
        return edit;
    }

    std::vector<QString> VisibleRows(TAdjustmentDlg& window) {
        window.show();
        std::vector<QString> rows;
        for (int row = 0; row < kSquelchOffsetRowCount; ++row) {
            const QString name = QStringLiteral("eSQ_offset_%1").arg(row);
            auto* label = Find<QLabel>(&window, qPrintable(name));
            const bool wideShown =
                Find<UpDown>(&window, qPrintable("udSQ_offset_" + QString::number(row)))
                    ->isVisible();
            EXPECT_EQ(label->isVisible(), wideShown) << row;
            if (label->isVisible()) {
                rows.push_back(label->text());
            }
        }
        return rows;
    }
};

TEST_F(CalibrationWindow, SquelchOffsetRowsFollowTheBand) {
    struct Case {
        BandLimits band;
        std::vector<QString> rows;
    };
    const Case cases[] = {
        {{400000000, 480000000}, {"400", "410", "420", "430", "440", "450", "460", "470", "480"}},
        {{136000000, 174000000}, {"135", "140", "145", "150", "155", "160", "165", "170"}},
        {{136000000, 520000000},
         {"135", "140", "145", "150", "155", "160", "165", "170", "200", "210", "220", "230",
          "240"}},
        // At the top of the range the step stays on 520 MHz: the list ends instead of
        // repeating it.
        {{500000000, 520000000}, {"500", "510", "520"}},
    };
    for (const Case& c : cases) {
        data.band = c.band;
        TAdjustmentDlg window(context, nullptr);
        EXPECT_EQ(VisibleRows(window), c.rows) << c.band.lower << "-" << c.band.upper;
    }
}

TEST_F(CalibrationWindow, NumericEditorsKeepToTheirFamily) {
    TAdjustmentDlg window(context, nullptr);

    // A point frequency: empty stores 0 although 0 is out of range; 600 reverts.
    Enter(window, "eFreq_2", "");
    EXPECT_EQ(data.calibration.Point(2).Freq, 0);
    QLineEdit* freq = Enter(window, "eFreq_2", "600");
    EXPECT_EQ(data.calibration.Point(2).Freq, 0);
    EXPECT_EQ(freq->text(), "0");
    Enter(window, "eFreq_2", "455");
    EXPECT_EQ(data.calibration.Point(2).Freq, 455);

    // A deviation keeps four digits, refuses 1024 and takes 1023 into its two bytes.
    QLineEdit* deviation = Find<QLineEdit>(&window, "ePinPian_W");
    deviation->clear();
    QTest::keyClicks(deviation, "12345");
    EXPECT_EQ(deviation->text(), "1234");
    Enter(window, "ePinPian_W", "1024");
    EXPECT_EQ(data.calibration.Get(calib::PinPian_W), 50);
    EXPECT_EQ(deviation->text(), "50");
    Enter(window, "ePinPian_W", "1023");
    EXPECT_EQ(data.calibration.Get(calib::PinPian_W), 1023);

    // Other families: two characters for MIC gain and its range 0..15; letters never arrive.
    QLineEdit* mic = Enter(window, "eMicGain", "1x6");
    EXPECT_EQ(mic->text(), "9");
    EXPECT_EQ(data.calibration.Get(calib::MicGain), 9);
    Enter(window, "eMicGain", "15");
    EXPECT_EQ(data.calibration.Get(calib::MicGain), 15);
    Enter(window, "eFreq_0_H", "255");
    EXPECT_EQ(data.calibration.Point(0).PowerH, 255);
    Enter(window, "eCtcPinPian_W", "64");
    EXPECT_EQ(data.calibration.Get(calib::CtcPinPian_W), 14);
    EXPECT_TRUE(modals.Log().isEmpty()) << modals.Log().join("|").toStdString();
}

TEST_F(CalibrationWindow, PastedLettersAreReportedAndTheFieldKeepsItsValue) {
    TAdjustmentDlg window(context, nullptr);
    QLineEdit* threshold = Find<QLineEdit>(&window, "eSQL_L1");
    threshold->setText("1a");  // as a paste brings it
    window.EditExit(*threshold);
    EXPECT_EQ(data.calibration.Get(calib::SQL_L1), 126);
    EXPECT_EQ(threshold->text(), "1a");
    ASSERT_EQ(modals.Log().size(), 1);
    EXPECT_TRUE(modals.Log().front().contains("1a"));
}

TEST_F(CalibrationWindow, AgeingFrequencyIsKeptOnTheCalibrationRaster) {
    TAdjustmentDlg window(context, nullptr);
    QLineEdit* ageing = Find<QLineEdit>(&window, "eFreq_Aging");
    EXPECT_EQ(ageing->text(), "470.00000");
    ageing->clear();
    QTest::keyClicks(ageing, "4.5.6");
    EXPECT_EQ(ageing->text(), "4.56");

    struct Case {
        const char* typed;
        const char* shown;
        uint32_t hz;
    };
    for (const Case& c :
         {Case{"12", "100.00000", 100000000}, Case{"470.0031", "470.00000", 470000000},
          Case{"650", "600.00000", 600000000}, Case{"", "100.00000", 100000000},
          Case{"438.0125", "438.01250", 438012500}}) {
        Enter(window, "eFreq_Aging", c.typed);
        EXPECT_EQ(ageing->text(), c.shown) << c.typed;
        EXPECT_EQ(data.calibration.Get(calib::FreqAging), c.hz) << c.typed;
    }

    // A text ending with the point is not a frequency: reported, and the value stays.
    Enter(window, "eFreq_Aging", "470.");
    EXPECT_EQ(data.calibration.Get(calib::FreqAging), 438012500u);
    EXPECT_EQ(modals.Log().size(), 1);
}

TEST_F(CalibrationWindow, OnlyShownFieldsGetControlsAndTheOthersStoreAtOnce) {
    data.calibration.Set(calib::PinPian_N, uint16_t{777});
    data.calibration.SetSqOffset(3, -7);
    data.calibration.Set(calib::Rssi_cmp1, uint8_t{1});
    TAdjustmentDlg window(context, nullptr);
    for (const char* hidden : {"eFreq_0_M", "eFreq_4_Tune", "ePinPian_N", "eBatt_Tbl_L0",
                               "eBatt_PowerOn", "cb1846Vol_9", "sPkdet_rssi"}) {
        EXPECT_EQ(window.findChild<QWidget*>(hidden), nullptr) << hidden;
    }
    EXPECT_TRUE(Find<QLineEdit>(&window, "eModu_th")->isEnabled() == false);
    EXPECT_EQ(Find<QLabel>(&window, "sRssi_cmp1")->text(), "1");
    EXPECT_EQ(Find<QLabel>(&window, "sSQ_offset_3")->text(), "-7");

    Find<UpDown>(&window, "udSQ_offset_nar_12")->setValue(-50);
    Find<QComboBox>(&window, "cb1846Vol_8")->setCurrentIndex(200);
    Find<QComboBox>(&window, "cb1846Xtal")->setCurrentIndex(0);
    Find<QCheckBox>(&window, "cModu_dten")->click();
    EXPECT_EQ(data.calibration.SqOffsetNar(12), -50);
    EXPECT_EQ(Find<QLabel>(&window, "sSQ_offset_nar_12")->text(), "-50");
    EXPECT_EQ(data.calibration.Vol1846(8), 200);
    EXPECT_EQ(data.calibration.Get(calib::Xtal1846), 0);
    EXPECT_EQ(data.calibration.Get(calib::Modu_dten), 0);
    EXPECT_EQ(data.calibration.Get(calib::PinPian_N), 777);  // hidden fields travel untouched
}

// Written against any widget with the properties a slider has, so that the story reads the
// same whatever kind of control stands there.
TEST_F(CalibrationWindow, EachSquelchOffsetShowsOnceBesideItsHorizontalUpDown) {
    data.calibration.SetSqOffset(2, -37);
    data.calibration.SetSqOffsetNar(7, 41);  // a row of the right half
    TAdjustmentDlg window(context, nullptr);
    window.show();
    QWidget* box = Find<QWidget>(&window, "gbSQ_offset");
    const auto timesShown = [box](const QString& text) {
        int count = 0;
        for (QWidget* w : box->findChildren<QWidget*>()) {
            auto* label = qobject_cast<QLabel*>(w);
            auto* edit = qobject_cast<QLineEdit*>(w);
            const bool shows = (label != nullptr && label->text() == text) ||
                               (edit != nullptr && edit->text() == text);
            count += shows && w->isVisible() ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(timesShown("-37"), 1);
    EXPECT_EQ(timesShown("41"), 1);

    for (const char* band : {"udSQ_offset_", "udSQ_offset_nar_"}) {
        for (int row = 0; row < kSquelchOffsetRowCount; ++row) {
            const QString name = QString::fromLatin1(band) + QString::number(row);
            auto* upDown = Find<QWidget>(&window, qPrintable(name));
            EXPECT_EQ(upDown->property("orientation").toInt(), Qt::Horizontal)
                << name.toStdString();
            EXPECT_EQ(upDown->width(), 40) << name.toStdString();
            EXPECT_EQ(upDown->property("minimum").toInt(), -50) << name.toStdString();
            EXPECT_EQ(upDown->property("maximum").toInt(), 50) << name.toStdString();
        }
    }

    // The right arrow raises the offset, the left one lowers it; the label follows each step.
    auto* upDown = Find<QWidget>(&window, "udSQ_offset_2");
    const auto click = [upDown](int x) {
        QWidget* arrow = upDown->childAt(x, upDown->height() / 2);
        ASSERT_NE(arrow, nullptr);
        QTest::mouseClick(arrow, Qt::LeftButton);
    };
    click(upDown->width() - 4);
    click(upDown->width() - 4);
    EXPECT_EQ(data.calibration.SqOffset(2), -35);
    EXPECT_EQ(Find<QLabel>(&window, "sSQ_offset_2")->text(), "-35");
    click(3);
    EXPECT_EQ(data.calibration.SqOffset(2), -36);
    EXPECT_EQ(Find<QLabel>(&window, "sSQ_offset_2")->text(), "-36");
    EXPECT_EQ(timesShown("-36"), 1);
    QTest::keyClick(upDown, Qt::Key_Right);  // the keyboard steps it as well
    EXPECT_EQ(data.calibration.SqOffset(2), -35);
}

// A status read or a calibration read redraws the window with new numbers; no panel and no
// up-down moves for them.
TEST_F(CalibrationWindow, TheWidestValuesMoveNoPanelAndNoUpDown) {
    TAdjustmentDlg window(context, nullptr);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QWidget* status = Find<QWidget>(&window, "gbStatus");
    QWidget* chip = Find<QWidget>(&window, "gb1846Set");
    QWidget* narrowUpDown = Find<QWidget>(&window, "udSQ_offset_nar_7");
    const QRect statusBefore = status->geometry();
    const QRect chipBefore = chip->geometry();
    const QPoint upDownBefore = narrowUpDown->mapTo(&window, QPoint(0, 0));

    for (int row = 0; row < kSquelchOffsetRowCount; ++row) {
        data.calibration.SetSqOffset(row, -50);
        data.calibration.SetSqOffsetNar(row, -50);
    }
    // The widest numbers a status read can bring.
    for (const U8Field field :
         {calib::CurBatt, calib::Rssi_db, calib::Rssi_cmp1, calib::Noise_db, calib::Noise_cmp1,
          calib::Modu_cmp, calib::Pkdet_cmp, calib::Rssi_cmp3, calib::Noise_cmp2, calib::Modu_db}) {
        data.calibration.Set(field, uint8_t{255});
    }
    data.calibration.Set(calib::Offset, uint16_t{65535});
    window.ShowAdjustmentData();
    QTest::qWait(50);  // the layouts settle on posted events

    EXPECT_EQ(status->x(), statusBefore.x());
    EXPECT_EQ(status->width(), statusBefore.width());
    EXPECT_EQ(chip->x(), chipBefore.x());
    EXPECT_EQ(chip->width(), chipBefore.width());
    EXPECT_EQ(narrowUpDown->mapTo(&window, QPoint(0, 0)), upDownBefore);
    for (const char* name : {"sCurBatt", "sModu_db", "sOffset", "sSQ_offset_nar_7"}) {
        auto* value = Find<QLabel>(&window, name);
        EXPECT_GE(value->contentsRect().width(),
                  value->fontMetrics().horizontalAdvance(value->text()))
            << name;
    }
    EXPECT_EQ(Find<QLabel>(&window, "sOffset")->text(), "65535");
}

TEST_F(CalibrationWindow, NewAsksFirstAndCancelChangesNothing) {
    data.lang.SetLangType(THaldenFuncs::TLangType::English);
    TAdjustmentDlg window(context, nullptr);
    Enter(window, "eFreq_0_H", "99");
    const CalibrationData before = data.calibration;

    modals.QueueAnswer(ModalAnswer::Cancel);
    window.bNewClick();
    EXPECT_TRUE(std::ranges::equal(data.calibration.Raw(), before.Raw()));
    EXPECT_EQ(Find<QLineEdit>(&window, "eFreq_0_H")->text(), "99");

    modals.QueueAnswer(ModalAnswer::Ok);
    window.bNewClick();
    EXPECT_EQ(data.calibration.Point(0).PowerH, 63);
    EXPECT_EQ(Find<QLineEdit>(&window, "eFreq_0_H")->text(), "63");
    EXPECT_EQ(modals.Log(), QStringList({"Clear all data ?", "Clear all data ?"}));
}

TEST_F(CalibrationWindow, ACalibrationFileSavedChangedAndOpenedAgainGivesBackTheRecord) {
    const QString path = QString::fromStdString((folder.Path() / "unit.vkfa").string());
    data.calibration.Set(calib::Offset, uint16_t{0x1234});  // status fields travel too
    TAdjustmentDlg window(context, nullptr);
    Enter(window, "eFreq_1_L", "17");
    Find<UpDown>(&window, "udSQ_offset_0")->setValue(12);
    const CalibrationData saved = data.calibration;
    modals.QueueFileName(path);
    window.bSaveClick();
    ASSERT_EQ(std::filesystem::file_size(path.toStdString()), kCalibrationDataSize);

    Enter(window, "eFreq_1_L", "18");
    Find<UpDown>(&window, "udSQ_offset_0")->setValue(-3);
    modals.QueueFileName(path);
    window.bOpenClick();
    EXPECT_TRUE(std::ranges::equal(data.calibration.Raw(), saved.Raw()));
    EXPECT_EQ(Find<QLineEdit>(&window, "eFreq_1_L")->text(), "17");
    EXPECT_EQ(Find<QLabel>(&window, "sSQ_offset_0")->text(), "12");
    EXPECT_EQ(Find<QLabel>(&window, "sOffset")->text(), QString::number(0x1234));

    // A file that cannot be opened is said so and changes nothing.
    modals.QueueFileName(path + ".missing");
    window.bOpenClick();
    EXPECT_TRUE(std::ranges::equal(data.calibration.Raw(), saved.Raw()));
    EXPECT_EQ(modals.Log().filter("missing").size(), 1);
}

// A record outside the calibration ranges is named and written only when the user insists,
// and then the programming window keeps the radio's calibration first, without a way out;
// with the history off there is nowhere to keep it, and the write is refused. A band the radio
// does not accept stops the write of calibration and data before any question.
TEST_F(CalibrationWindow, ARecordOutsideItsRangesIsWrittenOnlyWhenTheUserInsistsAfterABackup) {
    data.lang.SetLangType(THaldenFuncs::TLangType::English);
    data.calibration.SetSqOffset(8, 90);
    TAdjustmentDlg window(context, nullptr);

    modals.QueueAnswer(ModalAnswer::Cancel);
    window.bWriteClick();
    ASSERT_EQ(modals.Log().size(), 2) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[0].contains("values out of range: SQ_offset[8] = 90 (-50..50)"))
        << modals.Log()[0].toStdString();
    EXPECT_TRUE(modals.Log()[1].startsWith("Write it anyway?")) << modals.Log()[1].toStdString();

    bool backupChecked = false;
    bool backupChangeable = true;
    modals.QueueAnswer(ModalAnswer::Ok);
    modals.QueueDialogHandler([&](QDialog& dialog) {
        auto* backup = Find<QCheckBox>(&dialog, "BackupBeforeWrite");
        backupChecked = backup->isChecked();
        backupChangeable = backup->isEnabled();
        dialog.reject();
    });
    modals.ClearLog();
    window.bWriteClick();
    EXPECT_TRUE(modals.AllAnswersUsed());
    EXPECT_TRUE(backupChecked);
    EXPECT_FALSE(backupChangeable);

    data.config.historyEnabled = false;
    modals.ClearLog();
    window.bWriteClick();
    ASSERT_EQ(modals.Log().size(), 1) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[0].contains("The backup could not be kept: nothing was written."))
        << modals.Log()[0].toStdString();

    data.band = {0, 0};
    data.image.Channel(1).InitialiseNew(446006250);
    data.image.SetChannelValid(1, true);
    modals.ClearLog();
    window.bAllWriteClick();
    ASSERT_EQ(modals.Log().size(), 1) << modals.Log().join('|').toStdString();
    EXPECT_TRUE(modals.Log()[0].contains("band dialog")) << modals.Log()[0].toStdString();
}

}  // namespace
}  // namespace radioprog::ui
