#include "model/AtomicOutput.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

namespace radioprog {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A saver that writes text to the path it is given.
auto Writing(const std::string& text) {
    return [text](const std::string& path) {
        WriteText(path, text);
        return FileResult{};
    };
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

// The project holds the unlock password in clear: a private file must stay private, and a
// link the user keeps to the real file must stay a link.
TEST(AtomicOutput, ReplacedFileKeepsItsModeOwnerAndTheLinkToIt) {
    TempFolder folder;
    const auto real = folder.File("radio.Vkf");
    WriteText(real, "old");
    ASSERT_EQ(chmod(real.c_str(), 0600), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(real.c_str(), testing::kNobody, testing::kNobody), 0);
    }
    const auto link = folder.File("latest.Vkf");
    fs::create_symlink("radio.Vkf", link);  // relative, as people make them

    ASSERT_TRUE(CheckOutputWritable(link));
    ASSERT_TRUE(WriteAtomically(link, Writing("new")));

    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadText(real), "new");
    EXPECT_EQ(ModeOf(real), 0600u);
    if (root) {
        struct stat info {};
        stat(real.c_str(), &info);
        EXPECT_EQ(info.st_uid, testing::kNobody);
        EXPECT_EQ(info.st_gid, testing::kNobody);
    }

    // A new file follows the umask, as any file the user creates.
    const mode_t old = umask(027);
    const auto fresh = folder.File("fresh.Vkf");
    EXPECT_TRUE(WriteAtomically(fresh, Writing("x")));
    umask(old);
    EXPECT_EQ(ModeOf(fresh), 0640u);
    EXPECT_EQ(Names(folder.Path()),
              (std::vector<std::string>{"fresh.Vkf", "latest.Vkf", "radio.Vkf"}));
}

// Everything that cannot take a file is found before any work is done, with the user's name
// in the message; nothing is replaced and no temporary is left.
TEST(AtomicOutput, OutputThatCannotTakeAFileIsRefusedBeforeTheWork) {
    TempFolder folder;
    const auto pipe = folder.File("pipe.Vkf");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const auto linkToPipe = folder.File("link.Vkf");
    fs::create_symlink(pipe, linkToPipe);
    const auto subfolder = folder.File("folder.Vkf");
    fs::create_directory(subfolder);
    const std::string tooLong = folder.File(std::string(300, 'n') + ".Vkf");
    const auto before = Names(folder.Path());

    for (const std::string& path :
         {pipe, linkToPipe, subfolder, tooLong, folder.File("missing/radio.Vkf"),
          std::string("/proc/self/radio.Vkf"), std::string("/proc/sys/kernel/hostname")}) {
        const FileResult checked = CheckOutputWritable(path);
        EXPECT_FALSE(checked) << path;
        EXPECT_NE(checked.message.find(path), std::string::npos) << checked.message;
        bool saved = false;
        const FileResult written = WriteAtomically(path, [&](const std::string&) {
            saved = true;
            return FileResult{};
        });
        EXPECT_FALSE(written) << path;
        EXPECT_FALSE(saved) << path;
    }
    EXPECT_FALSE(CheckOutputWritable(""));
    // Only looked at: a device must never be put at risk by a test.
    const FileResult device = CheckOutputWritable("/dev/null");
    EXPECT_FALSE(device);
    EXPECT_NE(device.message.find("device"), std::string::npos) << device.message;

    EXPECT_EQ(Names(folder.Path()), before);
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
}

TEST(AtomicOutput, NameNearTheLimitStillGetsItsTemporaryBesideIt) {
    TempFolder folder;
    const std::string name = std::string(250, 'n') + ".Vkf";
    const auto path = folder.File(name);
    ASSERT_TRUE(CheckOutputWritable(path));
    ASSERT_TRUE(WriteAtomically(path, Writing("data")));
    EXPECT_EQ(ReadText(path), "data");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{name});
}

TEST(AtomicOutput, FailedSaveNamesTheUsersFileAndLeavesTheOldOne) {
    TempFolder folder;
    const auto path = folder.File("radio.Vkf");
    WriteText(path, "old");
    std::string temporary;
    const FileResult result = WriteAtomically(path, [&](const std::string& given) {
        temporary = given;
        return FileResult{false, "Cannot write \"" + given + "\": disk on fire"};
    });
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message, "Cannot write \"" + path + "\": disk on fire");
    EXPECT_NE(temporary, path);
    EXPECT_EQ(ReadText(path), "old");
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"radio.Vkf"});
}

}  // namespace
}  // namespace radioprog
