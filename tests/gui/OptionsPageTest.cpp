// The options page as a person uses it: every choice lands in the project image at once,
// the lists follow the language and keep their selection, and a value from a foreign file
// that no item gives survives being looked at.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <set>

#include "gui/UiText.h"
#include "lang/OptionFields.h"
#include "lang/TextIds.h"
#include "mainwindow/ui/OptionsPage.h"
#include "model/ProjectFields.h"
#include "sheet/ChannelSheet.h"
#include "support/PageHarness.h"

namespace radioprog::ui {
namespace {

using testing::Find;

constexpr const char* kComboNames[] = {"cbSQL", "cbTOT", "cbTOA", "cbVoice", "cbSaving_Rate"};
constexpr int kItemCounts[] = {10, 41, 11, 3, 10};

class OptionsPageTest : public ::testing::Test {
  protected:
    void SetUp() override { harness.Build(); }
    void TearDown() override { testing::CloseStrayWindows(); }

    QComboBox* Combo(const char* name) { return Find<QComboBox>(harness.page.get(), name); }
    QCheckBox* Check(const char* name) { return Find<QCheckBox>(harness.page.get(), name); }
    // The user picks with the keyboard on the closed list, as with the mouse in its popup.
    void Pick(const char* combo, Qt::Key key) { QTest::keyClick(Combo(combo), key); }
    // A click on the box itself, not on the empty space after its caption.
    void Toggle(const char* name) {
        QCheckBox* box = Check(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    ProjectImage& Image() { return harness.data.image; }
    // The word the channel sheet prints beside caption, for the project as it is now, in the
    // window's language; empty when the sheet has no such option.
    QString SheetWord(const QString& caption) {
        const ChannelSheet sheet = BuildChannelSheet(
            Image(), harness.data.band, harness.data.lang.LangType(), SheetChannels::All, "");
        for (const auto& [sheetCaption, word] : sheet.options) {
            if (FromUtf8(sheetCaption) == caption) {
                return FromUtf8(word);
            }
        }
        return {};
    }

    testing::PageHarness<OptionsPage> harness;
};

TEST_F(OptionsPageTest, AfterNewThePageShowsTheRadioDefaults) {
    EXPECT_EQ(Combo("cbSQL")->currentText(), "5");
    EXPECT_EQ(Combo("cbTOT")->currentText(), "180");
    EXPECT_EQ(Combo("cbTOA")->currentText(), "5");
    EXPECT_EQ(Combo("cbVoice")->currentText(), "Chinese");
    EXPECT_EQ(Combo("cbSaving_Rate")->currentText(), "1:3");
    EXPECT_TRUE(Combo("cbSaving_Rate")->isEnabled());
    EXPECT_TRUE(Check("cBeep")->isChecked());
    EXPECT_TRUE(Check("cSaving")->isChecked());
    EXPECT_EQ(Find<QLabel>(harness.page.get(), "sSaving_Rate")->text(), "Batt.Saving Rate");
    EXPECT_EQ(Check("cBeep")->text(), "Key Beep");
}

TEST_F(OptionsPageTest, EveryChoiceIsStoredTheMomentItIsMade) {
    QSignalSpy edited(harness.page.get(), &MainWindowPage::projectEdited);
    Pick("cbTOT", Qt::Key_Home);
    EXPECT_EQ(Combo("cbTOT")->currentText(), "OFF");
    EXPECT_EQ(Image().Get(settings::Tot), 0);
    Pick("cbTOT", Qt::Key_End);
    EXPECT_EQ(Image().Get(settings::Tot), 600);

    const struct {
        const char* combo;
        Qt::Key key;
        U8Field field;
        int stored;
    } cases[] = {{"cbSQL", Qt::Key_Home, settings::Sql, 0},
                 {"cbTOA", Qt::Key_End, settings::Toa, 10},
                 {"cbVoice", Qt::Key_Down, settings::Voice, 2},
                 {"cbSaving_Rate", Qt::Key_Home, settings::SavingRate, 1}};
    for (const auto& c : cases) {
        Pick(c.combo, c.key);
        EXPECT_EQ(Image().Get(c.field), c.stored) << c.combo;
    }
    Toggle("cBeep");
    EXPECT_EQ(Image().Get(settings::Beep), 0);
    EXPECT_EQ(edited.count(), 7);
}

TEST_F(OptionsPageTest, TheRatioIsOfferedOnlyWhileTheSaverIsOnAndKeepsItsValue) {
    QComboBox* ratio = Combo("cbSaving_Rate");
    Toggle("cSaving");
    EXPECT_FALSE(ratio->isEnabled());
    EXPECT_EQ(Image().Get(settings::Saving), 0);
    EXPECT_EQ(Image().Get(settings::SavingRate), 3);

    harness.page->RefreshFromModel();
    EXPECT_FALSE(ratio->isEnabled());
    Toggle("cSaving");
    EXPECT_TRUE(ratio->isEnabled());
    EXPECT_EQ(ratio->currentText(), "1:3");
}

TEST_F(OptionsPageTest, ALanguageSwitchRebuildsTheListsOnceAndKeepsTheSelections) {
    Pick("cbVoice", Qt::Key_Down);
    for (int setting : {kLanguageSettingTraditional, kLanguageSettingSimplified}) {
        harness.SetLanguage(setting);
        harness.page->RefreshFromModel();
    }
    for (size_t i = 0; i < std::size(kComboNames); ++i) {
        EXPECT_EQ(Combo(kComboNames[i])->count(), kItemCounts[i]) << kComboNames[i];
    }
    EXPECT_EQ(Combo("cbVoice")->currentIndex(), 2);
    EXPECT_EQ(Combo("cbVoice")->currentText(), UiText(harness.data.lang, 215));
    EXPECT_EQ(Combo("cbTOT")->itemText(0), UiText(harness.data.lang, 75));
    EXPECT_EQ(Combo("cbTOT")->currentText(), "180");
    EXPECT_EQ(Check("cSaving")->text(), UiText(harness.data.lang, 70));
}

TEST_F(OptionsPageTest, AValueNoItemGivesShowsNoSelectionAndIsKeptWhenLeft) {
    Image().Set(settings::Tot, uint16_t{17});  // not a step of 15
    Image().Set(settings::Voice, uint8_t{7});
    Image().Set(settings::SavingRate, uint8_t{0});
    Image().Set(settings::Beep, uint8_t{2});
    harness.page->RefreshFromModel();
    for (const char* name : {"cbTOT", "cbVoice", "cbSaving_Rate"}) {
        EXPECT_EQ(Combo(name)->currentIndex(), -1) << name;
    }
    EXPECT_FALSE(Check("cBeep")->isChecked());

    Combo("cbTOT")->setFocus();
    Combo("cbVoice")->setFocus();
    harness.page->CommitPendingEdit();
    EXPECT_EQ(Image().Get(settings::Tot), 17);
    EXPECT_EQ(Image().Get(settings::Voice), 7);
    EXPECT_EQ(Image().Get(settings::SavingRate), 0);
    EXPECT_EQ(Image().Get(settings::Beep), 2);
}

// Every option of the table, every value it offers, in every language: the page has an
// editor for it, picking the item stores its value, and the sheet prints, under the page's
// caption, the word the page shows. The page has no editor the table does not know.
TEST_F(OptionsPageTest, EveryOptionOfTheTableIsOfferedAndPrintedInTheSameWords) {
    int lists = 0;
    int switches = 0;
    for (int setting :
         {kLanguageSettingEnglish, kLanguageSettingSimplified, kLanguageSettingTraditional}) {
        harness.SetLanguage(setting);
        ResetProjectToDefaults(harness.data);
        harness.page->RefreshFromModel();
        lists = switches = 0;
        for (const OptionField& option : OptionFields()) {
            SCOPED_TRACE(::testing::Message() << option.editorName << " language " << setting);
            if (option.editor == OptionEditor::Switch) {
                ++switches;
                QCheckBox* box = Check(option.editorName);
                ASSERT_NE(box, nullptr);
                for (int click = 0; click < 2; ++click) {
                    Toggle(option.editorName);
                    EXPECT_EQ(OptionValue(Image(), option), box->isChecked() ? 1u : 0u);
                    EXPECT_EQ(SheetWord(box->text()),
                              UiText(harness.data.lang, box->isChecked() ? text::kOn : text::kOff));
                }
                continue;
            }
            ++lists;
            if (option.offeredWhileOn) {
                Image().Set(*option.offeredWhileOn, uint8_t{1});
                harness.page->RefreshFromModel();
            }
            QComboBox* list = Combo(option.editorName);
            ASSERT_NE(list, nullptr);
            ASSERT_TRUE(list->isEnabled());
            const QString caption = Find<QLabel>(harness.page.get(), option.captionName)->text();
            ASSERT_EQ(list->count(), option.offered.count);
            std::set<QString> words;
            Pick(option.editorName, Qt::Key_Home);
            for (int item = 0; item < option.offered.count; ++item) {
                if (item > 0) {
                    Pick(option.editorName, Qt::Key_Down);
                }
                ASSERT_EQ(list->currentIndex(), item);
                const unsigned stored = OptionValue(Image(), option);
                EXPECT_EQ(stored, OfferedValue(option, item)) << item;
                EXPECT_EQ(SheetWord(caption), list->currentText()) << item;
                words.insert(list->currentText());
                // Shown again from the project, the value selects its own item.
                harness.page->RefreshFromModel();
                EXPECT_EQ(list->currentIndex(), item);
            }
            // No two values look alike in the list.
            EXPECT_EQ(words.size(), static_cast<size_t>(option.offered.count));
        }
    }
    EXPECT_EQ(harness.page->findChildren<QComboBox*>().size(), lists);
    EXPECT_EQ(harness.page->findChildren<QCheckBox*>().size(), switches);
    const ChannelSheet sheet = BuildChannelSheet(
        Image(), harness.data.band, harness.data.lang.LangType(), SheetChannels::All, "");
    EXPECT_EQ(sheet.options.size(), OptionFields().size());
}

}  // namespace
}  // namespace radioprog::ui
