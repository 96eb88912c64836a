// The access-code dialog opens the service windows only on their exact codes; the password
// dialogs keep to what the radio can hold and store a new password only when typed twice alike.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/ui/ServiceDialogs.h"
#include "dialogs/ui/TNewPasswordDlg.h"
#include "dialogs/ui/TSetPasswordDlg.h"
#include "mainwindow/ui/ServiceWindows.h"
#include "support/GuiContextFixture.h"
#include "support/GuiTestSupport.h"

namespace radioprog::ui {
namespace {

using testing::Find;

class PasswordDialogs : public ::testing::Test, protected testing::GuiContextFixture {
  protected:
    PasswordDialogs() {
        data.lang.SetLangType(THaldenFuncs::TLangType::English);
        ResetProjectToDefaults(data);
    }

    // The next dialog gets text typed into its edits in order, then the named button.
    void QueueTyping(QStringList texts, const char* button) {
        modals.QueueDialogHandler([texts, button](QDialog& dialog) {
            const char* edits[] = {"eInput", "eSureInput"};
            for (int i = 0; i < texts.size(); ++i) {
                QTest::keyClicks(Find<QLineEdit>(&dialog, edits[i]), texts[i]);
            }
            QTest::mouseClick(Find<QPushButton>(&dialog, button), Qt::LeftButton);
        });
    }
};

TEST_F(PasswordDialogs, OnlyTheExactAccessCodesOpenTheServiceWindows) {
    struct Case {
        const char* typed;
        const char* opens;  // null: nothing
    };
    for (const Case& c :
         {Case{"mqwr47", "TAdjustmentDlg"}, Case{"kjrtwhm", "TBandSetDlg"}, Case{"MQWR47", nullptr},
          Case{"mqwr47 ", nullptr}, Case{"kjrtwh", nullptr}, Case{"", nullptr}}) {
        modals.ClearLog();
        QueueTyping({c.typed}, "OKBtn");
        if (c.opens != nullptr) {
            modals.QueueDialogHandler([](QDialog& dialog) { dialog.reject(); });
        }
        RunAccessCodeDialog(context, nullptr);
        QStringList expected = {"dialog: TPasswordDlg"};
        if (c.opens != nullptr) {
            expected << QStringLiteral("dialog: %1").arg(c.opens);
        }
        EXPECT_EQ(modals.Log(), expected) << c.typed;
        EXPECT_TRUE(modals.AllAnswersUsed());
    }
}

TEST_F(PasswordDialogs, TheAccessCodeWindowSaysWhatItAsksForInEachLanguage) {
    struct Case {
        THaldenFuncs::TLangType language;
        const char* prompt;
    };
    for (const Case& c : {Case{THaldenFuncs::TLangType::SimplifiedChinese, "输入维修访问码"},
                          Case{THaldenFuncs::TLangType::TraditionalChinese, "輸入維修存取碼"},
                          Case{THaldenFuncs::TLangType::English, "Input service access code"}}) {
        data.lang.SetLangType(c.language);
        TPasswordDlg dialog(context, nullptr);
        dialog.show();
        auto* prompt = Find<QLabel>(&dialog, "sAccessCode");
        ASSERT_NE(prompt, nullptr);
        QLineEdit* code = Find<QLineEdit>(&dialog, "eInput");
        EXPECT_EQ(prompt->text(), QString::fromUtf8(c.prompt));
        EXPECT_EQ(prompt->buddy(), code);
        EXPECT_TRUE(prompt->isVisible());
        EXPECT_LE(prompt->geometry().bottom(), code->geometry().top());
        EXPECT_GE(prompt->contentsRect().width(),
                  prompt->fontMetrics().horizontalAdvance(prompt->text()))
            << c.prompt;
    }
}

TEST_F(PasswordDialogs, RadioPasswordsHoldTwelveCharactersAndTheAccessCodeAny) {
    TSetPasswordDlg unlock(context, nullptr);
    TNewPasswordDlg fresh(context, nullptr);
    for (QLineEdit* edit : {Find<QLineEdit>(&unlock, "eInput"), Find<QLineEdit>(&fresh, "eInput"),
                            Find<QLineEdit>(&fresh, "eSureInput")}) {
        QTest::keyClicks(edit, "abcdefghijklm");
        EXPECT_EQ(edit->text(), "abcdefghijkl") << edit->objectName().toStdString();
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        // Two bytes each in the radio's character set: six of them fill the twelve bytes.
        edit->clear();
        for (const QChar c : QString::fromUtf8("一二三四五六七")) {
            edit->insert(c);  // as an input method delivers them
        }
        EXPECT_EQ(edit->text(), QString::fromUtf8("一二三四五六"));
    }

    modals.QueueDialogHandler([](QDialog& dialog) {
        QLineEdit* code = Find<QLineEdit>(&dialog, "eInput");
        QTest::keyClicks(code, "thirteen characters and more");
        EXPECT_EQ(code->text().size(), 28);
        dialog.reject();
    });
    RunAccessCodeDialog(context, nullptr);
}

TEST_F(PasswordDialogs, TheUnlockPasswordIsStoredOnOkOnly) {
    QueueTyping({"4321"}, "CancelBtn");
    RunSetPasswordDialog(context, nullptr);
    EXPECT_EQ(data.image.Text(image::UnlockPassword), "");
    QueueTyping({"4321"}, "OKBtn");
    RunSetPasswordDialog(context, nullptr);
    EXPECT_EQ(data.image.Text(image::UnlockPassword), "4321");
}

TEST_F(PasswordDialogs, ANewPasswordIsStoredOnlyWhenBothTextsMatch) {
    struct Case {
        const char* first;
        const char* second;
        const char* message;
        const char* stored;
    };
    data.image.SetText(image::NewPassword, "old");
    for (const Case& c : {Case{"1234", "1235", "Password not match", "old"},
                          Case{"1234", "12345", "Password not match", "old"},
                          Case{"1234", "1234", "OK", "1234"}, Case{"", "", "OK", ""}}) {
        modals.ClearLog();
        QueueTyping({c.first, c.second}, "OKBtn");
        RunNewPasswordDialog(context, nullptr);
        EXPECT_EQ(modals.Log(), QStringList({"dialog: TNewPasswordDlg", c.message})) << c.second;
        EXPECT_EQ(data.image.Text(image::NewPassword), c.stored) << c.second;
    }

    // Write with texts that differ says so and starts nothing.
    modals.ClearLog();
    modals.QueueDialogHandler([](QDialog& dialog) {
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eInput"), "1111");
        QTest::keyClicks(Find<QLineEdit>(&dialog, "eSureInput"), "2222");
        QTest::mouseClick(Find<QPushButton>(&dialog, "bWrite"), Qt::LeftButton);
        dialog.reject();
    });
    RunNewPasswordDialog(context, nullptr);
    EXPECT_EQ(modals.Log(), QStringList({"dialog: TNewPasswordDlg", "Password not match"}));
    EXPECT_EQ(data.image.Text(image::NewPassword), "");
}

TEST_F(PasswordDialogs, TheCheckBoxDecidesWhetherWritesCarryTheNewPassword) {
    data.image.Set(image::WriteNewPasswordWithData, uint8_t{1});
    {
        TNewPasswordDlg dialog(context, nullptr);
        auto* check = Find<QCheckBox>(&dialog, "cbWriteWithNewPD");
        EXPECT_TRUE(check->isChecked());
        check->click();
        dialog.reject();  // a change already made stays after Cancel
    }
    EXPECT_EQ(data.image.Get(image::WriteNewPasswordWithData), 0);
    TNewPasswordDlg dialog(context, nullptr);
    EXPECT_FALSE(Find<QCheckBox>(&dialog, "cbWriteWithNewPD")->isChecked());
}

}  // namespace
}  // namespace radioprog::ui
