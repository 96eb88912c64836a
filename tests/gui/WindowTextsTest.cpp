// Every window and dialog in each of the three languages: no text shows a failed conversion
// (U+FFFD, or question marks standing for characters), and every caption fits the room its
// widget gives it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableView>
#include <functional>
#include <map>
#include <memory>

#include "calibration/ui/TAdjustmentDlg.h"
#include "dialogs/ui/AboutDialog.h"
#include "dialogs/ui/TBandSetDlg.h"
#include "dialogs/ui/TNewPasswordDlg.h"
#include "dialogs/ui/TPasswordDlg.h"
#include "dialogs/ui/TSetPasswordDlg.h"
#include "gui/MessageBoxes.h"
#include "gui/UiText.h"
#include "lang/LanguageSetting.h"
#include "lang/TextIds.h"
#include "port/ui/PortDialog.h"
#include "radiobench/ui/BenchWindow.h"
#include "session/ui/TProgramDialog.h"
#include "support/MainWindowFixture.h"

namespace radioprog::ui {
namespace {

// A character the conversion could not make: the replacement character, or question marks
// that stand for characters (two in a row, or one against a Chinese character).
bool ShowsAFailedConversion(const QString& text) {
    static const QRegularExpression questionMarks(
        QStringLiteral("\\?\\?|[\\x{3000}-\\x{9FFF}]\\?|\\?[\\x{3000}-\\x{9FFF}]"));
    return text.contains(QChar::ReplacementCharacter) || questionMarks.match(text).hasMatch();
}

class TextCheck {
  public:
    explicit TextCheck(QString window) : window_(std::move(window)) {}

    void Text(const QObject& owner, const QString& what, const QString& text) {
        if (ShowsAFailedConversion(text)) {
            problems_
                << QStringLiteral("%1/%2 %3: '%4'").arg(window_, owner.objectName(), what, text);
        }
    }
    // A caption fits when the widget is at least as wide as it asks to be for its text; a
    // push button's wish includes the style's minimum width, so only its text counts there.
    void Fits(const QWidget& widget, const QString& text) {
        if (!widget.isVisible() || text.isEmpty()) {
            return;
        }
        int needed = widget.sizeHint().width();
        if (qobject_cast<const QPushButton*>(&widget) != nullptr) {
            constexpr int kButtonMargins = 8;
            needed =
                widget.fontMetrics().horizontalAdvance(QString(text).remove('&')) + kButtonMargins;
        }
        if (widget.width() < needed) {
            problems_ << QStringLiteral("%1/%2 '%3' needs %4 pixels, has %5")
                             .arg(window_, widget.objectName(), text)
                             .arg(needed)
                             .arg(widget.width());
        }
    }

    void Window(QWidget& window) {
        Text(window, QStringLiteral("title"), window.windowTitle());
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            Text(*widget, QStringLiteral("tool tip"), widget->toolTip());
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                Text(*label, QStringLiteral("label"), label->text());
                if (!label->wordWrap()) {
                    Fits(*label, label->text());
                }
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                Text(*button, QStringLiteral("button"), button->text());
                Fits(*button, button->text());
            } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
                Text(*box, QStringLiteral("group"), box->title());
            } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
                for (int i = 0; i < tabs->count(); ++i) {
                    Text(*tabs, QStringLiteral("tab"), tabs->tabText(i));
                }
            } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
                Text(*menu, QStringLiteral("menu"), menu->title());
                for (QAction* action : menu->actions()) {
                    Text(*action, QStringLiteral("item"), action->text());
                    Text(*action, QStringLiteral("item tip"), action->toolTip());
                }
            } else if (auto* table = qobject_cast<QTableView*>(widget)) {
                for (int c = 0; c < table->model()->columnCount(); ++c) {
                    Text(*table, QStringLiteral("header"),
                         table->model()->headerData(c, Qt::Horizontal).toString());
                }
            }
        }
    }

    const QStringList& Problems() const { return problems_; }

  private:
    QString window_;
    QStringList problems_;
};

class WindowTextsTest : public testing::MainWindowFixture,
                        public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        WriteConfig("[config]\nLanguage=" + std::to_string(GetParam()) + "\n");
        OpenWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override { testing::CloseStrayWindows(); }

    QStringList ProblemsOf(const QString& name, QWidget& shown) {
        shown.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&shown)) << name.toStdString();
        TextCheck check(name);
        check.Window(shown);
        return check.Problems();
    }
    const THaldenFuncs::TAppLang& Lang() const { return data.lang; }
};

TEST_P(WindowTextsTest, EveryWindowReadsInItsLanguageAndEveryCaptionFits) {
    QStringList problems = ProblemsOf(QStringLiteral("main"), *window);
    Child<QTabWidget>("PageControl_Home")->setCurrentIndex(1);
    problems << ProblemsOf(QStringLiteral("options"), *window);

    const std::vector<std::pair<QString, std::function<QDialog*()>>> dialogs = {
        {QStringLiteral("programming"),
         [this] {
             return new TProgramDialog(
                 context, window.get(),
                 {SessionMode::Data, true, UiText(Lang(), text::kReadFromRadio), {}});
         }},
        {QStringLiteral("port"), [this] { return new TCommunicationPort(context, window.get()); }},
        {QStringLiteral("message"),
         [this] {
             return new TUserWarnDlg(window.get(), UiText(Lang(), text::kPasswordsDiffer),
                                     UiText(Lang(), text::kOk));
         }},
        {QStringLiteral("question"),
         [this] {
             return new TMyWarnDlg_2(window.get(), UiText(Lang(), text::kClearAllQuestion),
                                     UiText(Lang(), text::kOk), UiText(Lang(), text::kCancel));
         }},
        {QStringLiteral("save question"),
         [this] {
             return new TMyWarnDlg_3(window.get(), UiText(Lang(), text::kSaveQuestion),
                                     UiText(Lang(), text::kYes), UiText(Lang(), text::kNo),
                                     UiText(Lang(), text::kCancel));
         }},
        {QStringLiteral("about"), [this] { return new TAboutDlg(data, window.get()); }},
        {QStringLiteral("access code"), [this] { return new TPasswordDlg(context, window.get()); }},
        {QStringLiteral("band"), [this] { return new TBandSetDlg(context, window.get()); }},
        {QStringLiteral("unlock password"),
         [this] { return new TSetPasswordDlg(context, window.get()); }},
        {QStringLiteral("new password"),
         [this] { return new TNewPasswordDlg(context, window.get()); }},
        {QStringLiteral("calibration"),
         [this] { return new TAdjustmentDlg(context, window.get()); }},
        {QStringLiteral("bench"), [this] { return new BenchWindow(context, window.get(), {}); }},
    };
    for (const auto& [name, make] : dialogs) {
        std::unique_ptr<QDialog> dialog(make());
        problems << ProblemsOf(name, *dialog);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, WindowTextsTest,
                         ::testing::Values(kLanguageSettingSimplified, kLanguageSettingTraditional,
                                           kLanguageSettingEnglish));

// The window system shows each title as given: no program name is appended to it, which
// would leave a small dialog room only for "Passwor… M740-2B".
TEST_P(WindowTextsTest, TitlesAreTheTextsTheWindowsGive) {
    EXPECT_EQ(window->windowTitle(), UiText(Lang(), text::kProgramName));
    EXPECT_NE(QGuiApplication::applicationDisplayName(), UiText(Lang(), text::kProgramName));
}

// Qt's own dialogs (a file dialog, its overwrite question) follow the window's language, and
// follow it again when it is switched.
TEST_P(WindowTextsTest, QtsOwnDialogsSpeakTheWindowsLanguage) {
    const auto fileNameCaption = [] {
        return QCoreApplication::translate("QFileDialog", "File &name:");
    };
    const QString english = QStringLiteral("File &name:");
    EXPECT_EQ(fileNameCaption() == english, GetParam() == kLanguageSettingEnglish)
        << fileNameCaption().toStdString();
    Child<QAction>("MenuLanguage_En")->trigger();
    EXPECT_EQ(fileNameCaption(), english);
    Child<QAction>("MenuLanguage_Cht")->trigger();
    EXPECT_EQ(fileNameCaption(), QString::fromUtf8("檔名(&N)："));
}

// Texts the windows' tables do not have are ours, in the same three languages: the band
// dialog, a typed text that is no number, the heading of a file that could not be saved.
TEST_P(WindowTextsTest, OurOwnTextsSpeakTheWindowsLanguage) {
    struct Expected {
        const char* band;
        const char* notANumber;
        const char* cannotSave;
    };
    const std::map<int, Expected> expected = {
        {kLanguageSettingSimplified, {"频段", "“400.”不是有效的数字", "无法保存文件"}},
        {kLanguageSettingTraditional, {"頻段", "「400.」不是有效的數字", "無法儲存檔案"}},
        {kLanguageSettingEnglish, {"Band", "'400.' is not a valid number", "Cannot save the file"}},
    };
    const Expected& words = expected.at(GetParam());
    EXPECT_EQ(TBandSetDlg(context, window.get()).windowTitle(), QString::fromUtf8(words.band));

    modals.ClearLog();
    QTest::mouseClick(Child<QTableView>("StringGrid1")->viewport(), Qt::LeftButton, {},
                      Child<QTableView>("StringGrid1")
                          ->visualRect(Child<QTableView>("StringGrid1")->model()->index(0, 0))
                          .center());
    auto* editor = window->findChild<QLineEdit*>("Edit_ChFreq");
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "400.");
    QTest::keyClick(editor, Qt::Key_Return);
    // The report comes once the editor's own key event has been handled.
    ASSERT_TRUE(testing::WaitFor([this] { return !modals.Log().isEmpty(); }));
    modals.QueueFileName(QString::fromStdString(folder.File("no-such-folder/x.Vkf")));
    Child<QAction>("MenuFile_Save")->trigger();
    const QStringList log = modals.Log();
    EXPECT_EQ(log.filter(QString::fromUtf8(words.notANumber)).size(), 1)
        << log.join('|').toStdString();
    EXPECT_EQ(log.filter(QString::fromUtf8(words.cannotSave) + "\n").size(), 1)
        << log.join('|').toStdString();
}

}  // namespace
}  // namespace radioprog::ui
