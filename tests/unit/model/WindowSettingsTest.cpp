// Where the windows stood and the theme, through the configuration file: kept in a section of
// their own, read back as written, and a garbled value forgets only itself.

#include "model/WindowSettings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "model/Configuration.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(WindowSettings, PlacesAndThemeComeBackAfterARestart) {
    testing::TempFolder folder;
    const std::string path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    // A first start writes no place and no theme: nothing was placed or chosen yet.
    EXPECT_EQ(ReadAll(path).find("[Windows]"), std::string::npos);

    config.windows.mainWindow = WindowPlace{-1200, 30, 900, 640};
    config.windows.historyWindow = WindowPlace{10, 20, 800, 460};
    config.windows.theme = Theme::Dark;
    ASSERT_TRUE(SaveConfiguration(path, config, band));
    // The file stays ours, so the next save may write it again.
    std::string why;
    ConfigValues again;
    ASSERT_EQ(LoadConfiguration(path, again, band, &why), ConfigLoad::Loaded);
    EXPECT_EQ(why, "");
    EXPECT_EQ(again.windows.mainWindow, (WindowPlace{-1200, 30, 900, 640}));
    EXPECT_EQ(again.windows.historyWindow, (WindowPlace{10, 20, 800, 460}));
    EXPECT_EQ(again.windows.compareView, std::nullopt);
    EXPECT_EQ(again.windows.theme, Theme::Dark);

    // Back to the desktop's look: the key goes, and a later read finds the default.
    again.windows.theme = Theme::System;
    ASSERT_TRUE(SaveConfiguration(path, again, band));
    EXPECT_EQ(ReadAll(path).find("Theme"), std::string::npos);
    EXPECT_NE(ReadAll(path).find("HistoryWindow=10,20,800,460"), std::string::npos);
}

TEST(WindowSettings, AGarbledPlaceOrThemeIsForgottenNotGuessed) {
    for (const char* text : {"", "1,2,3", "1,2,3,4,5", "a,2,3,4", "1,2,0,4", "1,2,3,-4",
                             "1.5,2,3,4", "1,,3,4", "1,2,3,4x", "1,2,3,999999999999"}) {
        EXPECT_EQ(ReadWindowPlace(text), std::nullopt) << text;
    }
    EXPECT_EQ(ReadWindowPlace(" 5, -6 ,700, 500 "), (WindowPlace{5, -6, 700, 500}));
    EXPECT_EQ(ReadWindowPlace(WindowPlaceText({-3, 4, 5, 6})), (WindowPlace{-3, 4, 5, 6}));

    testing::TempFolder folder;
    const std::string path = folder.File("_config.ini");
    std::ofstream(path) << "[config]\nLanguage=0\n[Windows]\nMainWindow=12,34\n"
                           "CompareView=1,2,300,200\nTheme=Dark\n";
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    EXPECT_EQ(config.windows.mainWindow, std::nullopt);
    EXPECT_EQ(config.windows.compareView, (WindowPlace{1, 2, 300, 200}));
    EXPECT_EQ(config.windows.theme, Theme::Dark);  // as people write it, in any case

    std::ofstream(path) << "[Windows]\nTheme=purple\n";
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    EXPECT_EQ(config.windows.theme, Theme::System);
}

}  // namespace
}  // namespace radioprog
