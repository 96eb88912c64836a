#include "model/Configuration.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace radioprog {
namespace {

using testing::TempFolder;

// key -> value of one section, as the file holds it.
std::map<std::string, std::string> Section(const std::string& path, const std::string& name) {
    std::ifstream in(path);
    std::map<std::string, std::string> keys;
    std::string line;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.front() == '[') {
            inSection = line == "[" + name + "]";
            continue;
        }
        const auto eq = line.find('=');
        if (inSection && eq != std::string::npos) {
            auto trim = [](std::string s) {
                s.erase(0, s.find_first_not_of(' '));
                s.erase(s.find_last_not_of(' ') + 1);
                return s;
            };
            keys[trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
        }
    }
    return keys;
}

void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path) << text;
}

TEST(Configuration, FirstStartCreatesTheFileWithEveryKeyAndDefault) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    config.channelGridColumnWidths.fill(0);  // whatever was on screen before does not leak
    BandLimits band{1, 2};
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    EXPECT_EQ(band, BandLimits{});

    const auto cfg = Section(path, "config");
    EXPECT_EQ(cfg.at("Port"), "1");
    EXPECT_EQ(cfg.at("Language"), "1");
    EXPECT_EQ(cfg.at("AutoSeachPort"), "1");

    const auto control = Section(path, "control");
    EXPECT_EQ(control.size(), 17u + 8u + 17u + 3u);
    EXPECT_EQ(control.at("ChSG_Row0"), "20");
    EXPECT_EQ(control.at("ChSG_Row16"), "20");
    const char* widths[] = {"30", "64", "64", "74", "74", "64", "64", "80"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(control.at("ChSG_Col" + std::to_string(i)), widths[i]);
    }
    EXPECT_EQ(control.at("DtmfAbSG_Row16"), "20");
    EXPECT_EQ(control.at("DtmfAbSG_Col2"), "130");

    const auto bandKeys = Section(path, "Band");
    EXPECT_EQ(bandKeys.size(), 15u);
    EXPECT_EQ(bandKeys.at("band-1 min"), "136000000");
    EXPECT_EQ(bandKeys.at("band-3 max"), "246000000");
    EXPECT_EQ(bandKeys.at("band-6 min"), "470000000");
    EXPECT_EQ(bandKeys.at("band Selete"), "4");
    EXPECT_EQ(bandKeys.at("band min"), "400000000");
    EXPECT_EQ(bandKeys.at("band max"), "480000000");

    for (const char* lang : {"chs", "cht", "eng"}) {
        // One space, which the reader must keep as it is.
        const auto texts = Section(path, lang);
        EXPECT_EQ(texts.size(), 2u) << lang;
    }
    ConfigValues reread;
    BandLimits rereadBand;
    ASSERT_EQ(LoadConfiguration(path, reread, rereadBand), ConfigLoad::Loaded);
    EXPECT_EQ(reread.languageTexts[2].appName, " ");
    EXPECT_EQ(reread.channelGridColumnWidths[7], 80);
}

TEST(Configuration, FirstStartWritesThePortAndLanguageInForce) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    config.portNumber = 3;
    config.languageSetting = 7;
    config.autoSearchPort = false;
    config.bandSelect = 1;  // not in force: the file starts with the table's 4
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    EXPECT_EQ(Section(path, "config").at("Port"), "3");
    EXPECT_EQ(Section(path, "config").at("Language"), "7");
    EXPECT_EQ(Section(path, "config").at("AutoSeachPort"), "0");
    EXPECT_EQ(Section(path, "Band").at("band Selete"), "4");
    EXPECT_EQ(config.portNumber, 3);
    EXPECT_EQ(config.languageSetting, 7);
    EXPECT_FALSE(config.autoSearchPort);
}

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every key line is written as key=value, as the tool has always written its file.
TEST(Configuration, KeysAreWrittenAsKeyEqualsValueLines) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    const auto created = Lines(path);
    EXPECT_TRUE(HasLine(created, "Port=1"));
    EXPECT_TRUE(HasLine(created, "AutoSeachPort=1"));
    EXPECT_TRUE(HasLine(created, "band-1 min=136000000"));
    EXPECT_TRUE(HasLine(created, "AppName= "));  // the one space after the sign

    config.bandSelect = 0;
    ASSERT_TRUE(SaveConfiguration(path, config, band));  // the existing-file path
    const auto saved = Lines(path);
    EXPECT_TRUE(HasLine(saved, "ChSG_Col7=80"));
    EXPECT_TRUE(HasLine(saved, "band Selete=0"));
    for (const auto& lines : {created, saved}) {
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find(" ="), std::string::npos) << line;
        }
    }
}

TEST(Configuration, ExistingFileIsReadAndBadOrMissingKeysTakeDefaults) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    WriteFile(path,
              "[config]\nPort=3\nLanguage=abc\nAutoSeachPort=0\n"
              "[control]\nChSG_Row4=33\nChSG_Col1=99\nDtmfAbSG_Col0=12x\n"
              "[Band]\nband min=136000000\nband max=174000000\nband-2 max=470000000\n"
              "[eng]\nAppName=Radio Tool\n");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    EXPECT_EQ(config.portNumber, 3);
    EXPECT_EQ(config.languageSetting, 1);  // not a number
    EXPECT_FALSE(config.autoSearchPort);
    EXPECT_EQ(config.channelGridRowHeights[4], 33);
    EXPECT_EQ(config.channelGridRowHeights[5], 20);
    EXPECT_EQ(config.channelGridColumnWidths[1], 99);
    EXPECT_EQ(config.channelGridColumnWidths[0], 30);
    EXPECT_EQ(config.addrBookGridColumnWidths[0], 30);
    EXPECT_EQ(band, (BandLimits{136000000, 174000000}));
    EXPECT_EQ(config.bandPresets[1].upper, 470000000u);
    EXPECT_EQ(config.bandPresets[1].lower, 400000000u);
    EXPECT_EQ(config.bandSelect, 4);
    EXPECT_EQ(config.languageTexts[2].appName, "Radio Tool");
    EXPECT_EQ(config.productName, " ");  // language 1 takes the simplified Chinese name
}

TEST(Configuration, SavingWritesTheValuesInForceAndKeepsPresetsAndForeignSections) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    WriteFile(path,
              "[Band]\nband-1 min=137000000\n[eng]\nAppName=Kept\n"
              "[ports]\nCOM2=/dev/ttyUSB7\n");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);

    config.portNumber = 7;  // the port in force at exit
    config.languageSetting = 2;
    config.channelGridColumnWidths[3] = 111;
    config.bandSelect = 0;
    config.bandPresets[0].lower = 1;  // presets are not written back
    ASSERT_TRUE(SaveConfiguration(path, config, BandLimits{136000000, 174000000}));

    EXPECT_EQ(Section(path, "config").at("Port"), "7");
    EXPECT_EQ(Section(path, "config").at("Language"), "2");
    EXPECT_EQ(Section(path, "control").at("ChSG_Col3"), "111");
    const auto bandKeys = Section(path, "Band");
    EXPECT_EQ(bandKeys.at("band-1 min"), "137000000");
    EXPECT_EQ(bandKeys.at("band Selete"), "0");
    EXPECT_EQ(bandKeys.at("band min"), "136000000");
    EXPECT_EQ(Section(path, "eng").at("AppName"), "Kept");
    EXPECT_EQ(Section(path, "ports").at("COM2"), "/dev/ttyUSB7");
}

TEST(Configuration, RecentProjectsAndTheLastFolderComeBackAndOnlyWhenThereAreAny) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    EXPECT_TRUE(Section(path, "Files").empty()) << "a first start has no files to name";

    for (int i = 9; i >= 1; --i) {
        config.recentProjects.push_back("/home/tech/radio " + std::to_string(i) + ".Vkf");
    }
    config.lastFolder = "/home/tech/customers";
    ASSERT_TRUE(SaveConfiguration(path, config, band));
    ConfigValues read;
    ASSERT_EQ(LoadConfiguration(path, read, band), ConfigLoad::Loaded);
    ASSERT_EQ(read.recentProjects.size(), kRecentProjectCount);
    EXPECT_EQ(read.recentProjects.front(), "/home/tech/radio 9.Vkf");
    EXPECT_EQ(read.recentProjects.back(), "/home/tech/radio 2.Vkf");
    EXPECT_EQ(read.lastFolder, "/home/tech/customers");

    read.recentProjects.resize(1);
    ASSERT_TRUE(SaveConfiguration(path, read, band));
    EXPECT_EQ(Section(path, "Files").size(), 2u) << "no stale entries behind the list";

    // A name with a line break (a file name may hold one) is left out rather than breaking
    // the file into lines that are no keys, which would make it unreadable at the next start.
    read.recentProjects = {"/home/tech/two\nlines.Vkf", "/home/tech/radio 1.Vkf"};
    read.lastFolder = "/home/tech/a\rb";
    ASSERT_TRUE(SaveConfiguration(path, read, band));
    ConfigValues again;
    ASSERT_EQ(LoadConfiguration(path, again, band), ConfigLoad::Loaded);
    EXPECT_EQ(again.recentProjects, std::vector<std::string>({"/home/tech/radio 1.Vkf"}));
    EXPECT_EQ(again.lastFolder, "");
}

// The shop is typed once and heads every later sheet; a file that never named one gets no
// keys for it, and removing the name removes its key rather than leaving an empty one.
TEST(Configuration, TheShopForTheSheetComesBackAndIsWrittenOnlyWhenSet) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    EXPECT_TRUE(Section(path, "Sheet").empty());

    config.shopName = "北方 Radio & Co";
    config.shopPhone = "+1 555 0100";
    ASSERT_TRUE(SaveConfiguration(path, config, band));
    ConfigValues read;
    std::string why;
    ASSERT_EQ(LoadConfiguration(path, read, band, &why), ConfigLoad::Loaded);
    EXPECT_EQ(why, "") << "the keys are ours, so the file stays ours to write";
    EXPECT_EQ(read.shopName, "北方 Radio & Co");
    EXPECT_EQ(read.shopPhone, "+1 555 0100");

    read.shopName.clear();
    read.shopPhone = "555\n[ports]";
    ASSERT_TRUE(SaveConfiguration(path, read, band));
    EXPECT_TRUE(Section(path, "Sheet").empty()) << "a phone that is no one line is not written";
}

TEST(Configuration, HistoryKeysAreWrittenWithTheirDefaultsAndComeBack) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    const auto written = Section(path, "History");
    EXPECT_EQ(written.at("Folder"), "");
    EXPECT_EQ(written.at("Keep"), "500");
    EXPECT_EQ(written.at("Enabled"), "1");

    config.historyFolder = "/srv/radios/history";
    config.historyKeep = 42;
    config.historyEnabled = false;
    ASSERT_TRUE(SaveConfiguration(path, config, band));
    ConfigValues read;
    ASSERT_EQ(LoadConfiguration(path, read, band), ConfigLoad::Loaded);
    EXPECT_EQ(read.historyFolder, "/srv/radios/history");
    EXPECT_EQ(read.historyKeep, 42);
    EXPECT_FALSE(read.historyEnabled);

    // A limit that would delete every read as it is kept takes the default.
    WriteFile(path, "[History]\nKeep=0\nEnabled=yes\n");
    ASSERT_EQ(LoadConfiguration(path, read, band), ConfigLoad::Loaded);
    EXPECT_EQ(read.historyKeep, 500);
    EXPECT_EQ(read.historyFolder, "");
    EXPECT_TRUE(read.historyEnabled) << "a value that is no number takes the default";
}

TEST(Configuration, VanishedFileIsRecreatedWithDefaultsAndTheValuesInForce) {
    TempFolder folder;
    const auto path = folder.File("_config.ini");
    ConfigValues config;
    config.portNumber = 4;
    config.channelGridColumnWidths[0] = 5;
    config.bandPresets[0].lower = 1;
    ASSERT_TRUE(SaveConfiguration(path, config, BandLimits{450000000, 520000000}));
    EXPECT_EQ(Section(path, "config").at("Port"), "4");
    EXPECT_EQ(Section(path, "control").at("ChSG_Col0"), "30");
    EXPECT_EQ(Section(path, "Band").at("band-1 min"), "136000000");
    EXPECT_EQ(Section(path, "Band").at("band max"), "520000000");
    EXPECT_EQ(Section(path, "cht").size(), 2u);
}

TEST(Configuration, UnwritableLocationIsReportedNotHidden) {
    ConfigValues config;
    BandLimits band;
    EXPECT_EQ(LoadConfiguration("/nonexistent-folder/_config.ini", config, band),
              ConfigLoad::Failed);
    EXPECT_EQ(band, BandLimits{});
    EXPECT_FALSE(SaveConfiguration("/nonexistent-folder/_config.ini", config, band));
}

// What a user's configuration holds beyond our keys: a port map made by hand.
constexpr const char* kHandMadeConfig = "[config]\nPort=3\n[ports]\nCOM3=/dev/ttyUSB7\n";

// Loads and saves path (in a child, as "nobody" when asked, so that nothing can block the
// test); 0 when the load was refused as unreadable with a reason, the defaults are in force
// and the save refused too.
int LoadAndSaveRefused(const std::string& path, bool asNobody) {
    return testing::RunInChild(
               [&] {
                   ConfigValues config;
                   config.channelGridColumnWidths.fill(7);
                   BandLimits band{1, 2};
                   std::string why;
                   const ConfigLoad load = LoadConfiguration(path, config, band, &why);
                   const bool defaults =
                       band == BandLimits{} &&
                       config.channelGridColumnWidths == ConfigValues{}.channelGridColumnWidths;
                   const bool saved = static_cast<bool>(SaveConfiguration(path, config, band));
                   return load == ConfigLoad::Unreadable && !why.empty() && defaults && !saved ? 0
                                                                                               : 1;
               },
               asNobody)
        .exitCode;
}

TEST(Configuration, FileThatCannotBeReadIsNeitherTrustedNorWrittenOver) {
    TempFolder folder;
    const auto pipe = folder.File("pipe.ini");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto subfolder = folder.File("folder.ini");
    std::filesystem::create_directory(subfolder);
    // Sparse: a reader that trusted the size would ask for all of it at once.
    const auto huge = folder.File("huge.ini");
    WriteFile(huge, kHandMadeConfig);
    const int fd = open(huge.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    if (ftruncate(fd, off_t{200} << 30) != 0) {
        ASSERT_EQ(ftruncate(fd, off_t{2} << 20), 0);  // a file system without room for the hole
    }
    close(fd);
    const auto hugeSize = std::filesystem::file_size(huge);

    for (const std::string& path : {pipe, subfolder, huge}) {
        EXPECT_EQ(LoadAndSaveRefused(path, false), 0) << path;
    }
    EXPECT_EQ(std::filesystem::status(pipe).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_empty(subfolder));
    EXPECT_EQ(std::filesystem::file_size(huge), hugeSize);

    // A file of someone else's that we may not read keeps its port map. Root reads anything,
    // so the load runs as "nobody" then.
    const auto locked = folder.File("locked.ini");
    WriteFile(locked, kHandMadeConfig);
    ASSERT_EQ(chmod(locked.c_str(), geteuid() == 0 ? 0600 : 0), 0);
    EXPECT_EQ(LoadAndSaveRefused(locked, true), 0);
    chmod(locked.c_str(), 0600);
    std::ifstream in(locked);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), kHandMadeConfig);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// --config given a file of another kind by mistake: it is reported and left byte for byte.
TEST(Configuration, AFileThatIsNotAConfigurationIsNeitherTrustedNorRewritten) {
    TempFolder folder;
    std::string project(2954, '\0');
    project.replace(100, 14, "Port=3\nAB=CD\n");
    const std::pair<const char*, std::string> files[] = {
        {"project.Vkf", project},
        {"nul.ini", kHandMadeConfig + std::string("\0[after]\nx=1\n", 14)},
    };
    for (const auto& [name, bytes] : files) {
        const std::string path = folder.File(name);
        WriteFile(path, "");
        std::ofstream(path, std::ios::binary) << bytes;
        EXPECT_EQ(LoadAndSaveRefused(path, false), 0) << name;
        EXPECT_EQ(ReadBytes(path), bytes) << name;
    }
    // What an INI file may hold still reads: comments, blank lines, spaces, a byte order mark.
    const std::string path = folder.File("ours.ini");
    WriteFile(path, "\xEF\xBB\xBF; mine\n# also mine\n\n [config] \r\nPort = 4\r\n");
    ConfigValues config;
    BandLimits band;
    EXPECT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    EXPECT_EQ(config.portNumber, 4);

    // A loop of symbolic links is not a missing file that may be created.
    const std::string loop = folder.File("loop.ini");
    std::filesystem::create_symlink(loop, loop);
    EXPECT_EQ(LoadAndSaveRefused(loop, false), 0);
}

// Loads path into fresh values; why and whether the file was read.
struct Loaded {
    ConfigLoad load;
    std::string why;
    ConfigValues config;
    BandLimits band;
};
Loaded LoadFresh(const std::string& path) {
    Loaded loaded{ConfigLoad::Failed, "", {}, {}};
    loaded.load = LoadConfiguration(path, loaded.config, loaded.band, &loaded.why);
    return loaded;
}

std::string Utf16(const std::string& ascii, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return out;
}

// One line the reader does not know costs that line, never the band, the port or the
// language; a file holding such a line is read and left as it is, one that is ours is saved.
TEST(Configuration, EveryKeyIsReadWhateverLineStandsBesideIt) {
    const std::string keys =
        "[config]\nPort=3\nLanguage=2\n[Band]\nband min=136000000\nband max=174000000\n";
    struct Case {
        const char* what;
        std::string bytes;
        bool ours;
    };
    const Case cases[] = {
        {"bare key", "[config]\nSpeed\n" + keys, false},
        {"comment after a section name", "[config] ; the port\n" + keys, true},
        {"DOS end-of-file byte", keys + "\x1A", true},
        {"UTF-16 little-endian", Utf16(keys, false), false},
        {"UTF-16 big-endian", Utf16(keys, true), false},
        {"shell script", "#!/bin/sh\nexport RADIO=1\nPORT=4\n" + keys + "echo done\n", false},
        {"text file", "Radio notes\nChannel 3 is the repeater\nkey=value only here\n" + keys,
         false},
        {"channel list", "Channel,RX Freq.,TX Freq.\n1,438.50000,438.50000\n" + keys, false},
        {"key outside any section", "Port=9\n" + keys, false},
        {"section of another program", keys + "[Editor]\nFont=Mono\n", false},
        {"key of another program", keys + "[config]\nTheme=dark\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const std::string path = folder.File("_config.ini");
        std::ofstream(path, std::ios::binary) << c.bytes;
        const Loaded read = LoadFresh(path);
        ASSERT_EQ(read.load, ConfigLoad::Loaded) << read.why;
        EXPECT_EQ(read.config.portNumber, 3);
        EXPECT_EQ(read.config.languageSetting, 2);
        EXPECT_EQ(read.band, (BandLimits{136000000, 174000000}));
        EXPECT_EQ(read.why.empty(), c.ours) << read.why;

        ConfigValues config = read.config;
        config.portNumber = 5;
        const FileResult saved = SaveConfiguration(path, config, read.band);
        EXPECT_EQ(saved.ok, c.ours) << saved.message;
        if (c.ours) {
            EXPECT_EQ(LoadFresh(path).config.portNumber, 5);
        } else {
            EXPECT_EQ(ReadBytes(path), c.bytes);
            EXPECT_NE(saved.message.find(path), std::string::npos) << saved.message;
        }
    }
}

// Whatever key of ours a file holds, it stays ours; one key we do not know beside it makes
// the file someone else's. Walks every key the configuration owns.
TEST(Configuration, AFileOfOurKeysAloneIsOursAndOneForeignKeyMakesItNot) {
    const std::vector<ConfigKey> keys = ConfigurationKeys();
    ASSERT_FALSE(keys.empty());
    for (const ConfigKey& owned : keys) {
        SCOPED_TRACE(owned.section + " / " + owned.key);
        TempFolder folder;
        const std::string path = folder.File("_config.ini");
        const std::string ours =
            "; kept\n[" + owned.section + "]\n" + owned.key + "=1\n# kept too\n\n";
        WriteFile(path, ours);
        const Loaded read = LoadFresh(path);
        EXPECT_TRUE(read.why.empty()) << read.why;
        ASSERT_TRUE(SaveConfiguration(path, read.config, read.band));
        const auto lines = Lines(path);
        EXPECT_TRUE(HasLine(lines, "; kept"));
        EXPECT_TRUE(HasLine(lines, "# kept too"));

        const std::string foreign = ours + "[" + owned.section + "]\n" + owned.key + "x=1\n";
        WriteFile(path, foreign);
        EXPECT_FALSE(LoadFresh(path).why.empty());
        EXPECT_FALSE(SaveConfiguration(path, read.config, read.band));
        EXPECT_EQ(ReadBytes(path), foreign);
    }

    // Every key a save can write is one of ours: a file we wrote is ours to write again.
    TempFolder folder;
    const std::string path = folder.File("_config.ini");
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Created);
    config.recentProjects.assign(kRecentProjectCount, "/home/tech/radio.Vkf");
    config.lastFolder = "/home/tech";
    config.showAllChannelFields = true;
    config.backupBeforeWrite = false;
    config.verifyAfterWrite = false;
    ASSERT_TRUE(SaveConfiguration(path, config, band));
    EXPECT_TRUE(LoadFresh(path).why.empty());
    EXPECT_TRUE(SaveConfiguration(path, config, band));
}

// A file kept by hand (or by an editor on another system) comes back as it was, but for the
// values that changed: comments, the spaces of "AppName= ", CRLF line ends.
TEST(Configuration, SavingRewritesOnlyTheLinesOfChangedValues) {
    TempFolder folder;
    const std::string path = folder.File("_config.ini");
    const std::string original =
        "\xEF\xBB\xBF; radio bench 2\r\n[config]\r\nPort = 3\r\nLanguage=0\r\n\r\n"
        "[eng]\r\nAppName= \r\nCompany=  Bench  \r\n[Band]\r\nband-1 min=137000000\r\n"
        "band min=136000000\r\nband max=174000000\r\n[ports]\r\nCOM2=/dev/ttyUSB7\r\n"
        "[History]\r\nKeep = 42\r\n";
    std::ofstream(path, std::ios::binary) << original;
    Loaded read = LoadFresh(path);
    ASSERT_TRUE(read.why.empty()) << read.why;
    EXPECT_EQ(read.config.languageTexts[2].company, "Bench");
    read.config.portNumber = 5;
    ASSERT_TRUE(SaveConfiguration(path, read.config, read.band));

    const std::string saved = ReadBytes(path);
    // The values that did not change stand as they were; new keys follow their sections.
    for (const std::string_view kept :
         {std::string_view("\xEF\xBB\xBF; radio bench 2\r\n[config]\r\nPort = 5\r\n"
                           "Language=0\r\n"),
          std::string_view("[eng]\r\nAppName= \r\nCompany=  Bench  \r\n"),
          std::string_view("band-1 min=137000000\r\nband min=136000000\r\n"
                           "band max=174000000\r\n"),
          std::string_view("[ports]\r\nCOM2=/dev/ttyUSB7\r\n"),
          std::string_view("[History]\r\nKeep = 42\r\n")}) {
        EXPECT_NE(saved.find(kept), std::string::npos) << kept;
    }
    EXPECT_TRUE(saved.starts_with("\xEF\xBB\xBF; radio bench 2\r\n[config]\r\nPort = 5\r\n"));
    EXPECT_NE(saved.find("ChSG_Col7=80\r\n"), std::string::npos);
    size_t bareLineEnds = 0;
    for (size_t i = 0; i < saved.size(); ++i) {
        bareLineEnds += saved[i] == '\n' && (i == 0 || saved[i - 1] != '\r') ? 1 : 0;
    }
    EXPECT_EQ(bareLineEnds, 0u) << saved;

    // Saved again with nothing changed, it is the same file.
    ASSERT_TRUE(SaveConfiguration(path, read.config, read.band));
    EXPECT_EQ(ReadBytes(path), saved);
}

// A full disk while the configuration is written keeps the old file whole, and a written file
// keeps the mode its owner gave it.
TEST(Configuration, SavingReplacesTheFileWholeOrNotAtAllAndKeepsItsMode) {
    TempFolder folder;
    const std::string path = folder.File("_config.ini");
    WriteFile(path, kHandMadeConfig);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ConfigValues config;
    BandLimits band;
    ASSERT_EQ(LoadConfiguration(path, config, band), ConfigLoad::Loaded);
    const std::string before = ReadBytes(path);
    config.portNumber = 5;

    const int status = testing::RunInChild(
                           [&] {
                               struct rlimit full {};
                               getrlimit(RLIMIT_FSIZE, &full);
                               full.rlim_cur = 16;
                               signal(SIGXFSZ, SIG_IGN);
                               setrlimit(RLIMIT_FSIZE, &full);
                               return SaveConfiguration(path, config, band) ? 1 : 0;
                           },
                           false)
                           .exitCode;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(ReadBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    ASSERT_TRUE(SaveConfiguration(path, config, band));
    EXPECT_EQ(Section(path, "config")["Port"], "5");
    EXPECT_EQ(Section(path, "ports")["COM3"], "/dev/ttyUSB7");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// Sets (or, with nullptr, removes) an environment variable for one scope.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Configuration, PathIsBesideTheExecutableUnlessOverriddenOrNotWritable) {
    TempFolder folder;
    EXPECT_EQ(ConfigurationPath(folder.Path().string(), std::string("/x/y.ini")), "/x/y.ini");
    EXPECT_EQ(ConfigurationPath(folder.Path().string(), std::nullopt), folder.File("_config.ini"));

    // A folder that cannot take the file (here: one that is gone, which holds even for root).
    TempFolder xdg;
    ScopedEnv config("XDG_CONFIG_HOME", xdg.Path().c_str());
    EXPECT_EQ(ConfigurationPath(folder.File("gone"), std::nullopt),
              (xdg.Path() / "radioprog" / "_config.ini").string());
    EXPECT_TRUE(std::filesystem::is_directory(xdg.Path() / "radioprog"));
}

// An installed program run by root (who may write into /usr/bin) must not leave a file in the
// package manager's folder that removing the package would leave behind.
TEST(Configuration, PathOfAnInstalledProgramIsPerUserEvenForRoot) {
    TempFolder xdg;
    ScopedEnv config("XDG_CONFIG_HOME", xdg.Path().c_str());
    const std::string perUser = (xdg.Path() / "radioprog" / "_config.ini").string();
    for (const char* folder : {"/usr/bin", "/usr/bin/", "/usr/local/bin", "/bin"}) {
        EXPECT_EQ(ConfigurationPath(folder, std::nullopt), perUser) << folder;
    }
}

TEST(Configuration, PathFallsBackWithoutThrowingWhenNoFolderIsNamed) {
    // No writable executable folder, no XDG or home folder, and a temporary folder that
    // does not exist: the caller still gets a path (and reports a failed write later).
    const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    const ScopedEnv home("HOME", nullptr);
    const ScopedEnv tmp("TMPDIR", "/nonexistent-folder/tmp");
    std::string path;
    EXPECT_NO_THROW(path = ConfigurationPath("", std::nullopt));
    EXPECT_EQ(std::filesystem::path(path).filename(), "_config.ini");
}

}  // namespace
}  // namespace radioprog
