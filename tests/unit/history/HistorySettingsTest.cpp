// The [History] keys as people write them by hand: a limit that is no count deletes nothing,
// and a switch reads in its usual spellings.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>

#include "history/HistoryKeep.h"
#include "model/ConfigWords.h"
#include "model/Configuration.h"
#include "support/TempFolder.h"

namespace radioprog {
namespace {

using testing::TempFolder;

ConfigValues Loaded(const std::string& path, const std::string& history) {
    std::ofstream(path) << "[History]\n" << history << "\n";
    ConfigValues config;
    BandLimits band;
    EXPECT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    return config;
}

std::string KeepLine(const std::string& path) {
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("Keep")) {
            return line;
        }
    }
    return {};
}

TEST(HistorySettings, ALimitThatIsNoCountDeletesNothingSaysSoAndIsWrittenBackAsItWas) {
    const std::string refused[] = {
        "0",     "-1",   "1e3", "+700", "abc", "1000001", "99999999999999999999",
        "12abc", "0x10", "7.5", "1 000"};
    for (const std::string& value : refused) {
        TempFolder temp;
        const std::string configPath = temp.File("_config.ini");
        ConfigValues config = Loaded(configPath, "Keep=" + value);
        config.historyFolder = temp.File("history");
        const HistorySettings settings = HistorySettingsOf(config);
        std::vector<std::string> kept;
        for (int n = 0; n < 3; ++n) {
            std::string path;
            const FileResult result = KeepProjectInHistory(
                settings, {HistoryJob::Read, RadioKind::S, {}, std::time(nullptr) - 10 + n},
                ProjectImage{}, BandLimits{}, &path);
            ASSERT_TRUE(result) << result.message;
            EXPECT_NE(result.notice.find("Keep=\"" + value + "\""), std::string::npos)
                << value << ": " << result.notice;
            kept.push_back(path);
        }
        for (const std::string& path : kept) {
            EXPECT_TRUE(std::filesystem::exists(path)) << value;
        }
        // Saved again, the file keeps what the user wrote rather than a limit we chose.
        ASSERT_TRUE(SaveConfiguration(configPath, config, BandLimits{}));
        EXPECT_EQ(KeepLine(configPath), "Keep=" + value) << value;
    }

    const std::pair<std::string, size_t> counts[] = {
        {"1", 1}, {"700", 700}, {" 42 ", 42}, {"1000000", 1000000}, {"", 500}};
    for (const auto& [value, count] : counts) {
        TempFolder temp;
        ConfigValues config = Loaded(temp.File("_config.ini"), "Keep=" + value);
        config.historyFolder = temp.File("history");
        const HistorySettings settings = HistorySettingsOf(config);
        EXPECT_EQ(settings.keep, count) << value;
        const FileResult result = KeepProjectInHistory(settings, HistoryJob::Read, RadioKind::S,
                                                       ProjectImage{}, BandLimits{});
        EXPECT_TRUE(result.notice.empty()) << value << ": " << result.notice;
    }
}

std::string Capitalised(std::string_view word) {
    std::string text(word);
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

TEST(HistorySettings, EnabledReadsInEverySpellingAndOffKeepsNothing) {
    for (const SwitchWord& word : kSwitchWords) {
        const std::string lower(word.word);
        std::string mixed = lower;
        mixed.front() = Capitalised(mixed.substr(0, 1)).front();
        for (const std::string& spelling : {lower, Capitalised(word.word), mixed, " " + lower}) {
            TempFolder temp;
            ConfigValues config = Loaded(temp.File("_config.ini"), "Enabled=" + spelling);
            config.historyFolder = temp.File("history");
            const HistorySettings settings = HistorySettingsOf(config);
            EXPECT_EQ(settings.enabled, word.on) << spelling;
            ASSERT_TRUE(KeepProjectInHistory(settings, HistoryJob::Read, RadioKind::S,
                                             ProjectImage{}, BandLimits{}));
            EXPECT_EQ(ListHistory(config.historyFolder).size(), word.on ? 1u : 0u) << spelling;
        }
    }
    // Anything else keeps the history on: the reads are the safety net.
    TempFolder temp;
    EXPECT_TRUE(HistorySettingsOf(Loaded(temp.File("_config.ini"), "Enabled=maybe")).enabled);
}

}  // namespace
}  // namespace radioprog
