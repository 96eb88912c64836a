#pragma once
// What a main window page needs to be built on its own in a story: its own program data in
// English after "new", and a modal runner that never waits for a person.

#include <QWidget>
#include <memory>

#include "GuiContextFixture.h"
#include "GuiTestSupport.h"
#include "lang/LanguageSetting.h"

namespace radioprog::testing {

template <typename Page>
struct PageHarness : GuiContextFixture {
    std::unique_ptr<Page> page;

    PageHarness() {
        SetLanguage(kLanguageSettingEnglish);
        ResetProjectToDefaults(data);
    }

    // Builds, shows and redraws the page, as the main window does at start-up.
    Page& Build() {
        page = std::make_unique<Page>(context, nullptr);
        page->resize(760, 460);
        page->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
        page->activateWindow();
        page->RefreshFromModel();
        return *page;
    }

    void SetLanguage(int setting) {
        data.config.languageSetting = setting;
        ApplyLanguageSetting(data.lang, setting);
    }
};

}  // namespace radioprog::testing
