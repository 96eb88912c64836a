#include "model/AtomicOutput.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
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

// A project the user may write, in a folder that is not theirs (a shared folder, a mounted
// share): the new copy cannot be made beside it, but the file itself can still take a save,
// as long as it does so whole. Root walks through folder permissions, so the saves run as
// "nobody".
TEST(AtomicOutput, AWritableFileInAFolderThatRefusesNewFilesIsRewrittenInPlace) {
    TempFolder folder;
    if (geteuid() == 0) {
        ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
    } else {
        ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
    }
    const auto path = folder.File("radio.Vkf");
    const auto others = folder.File("others.Vkf");
    WriteText(others, "not ours");
    ASSERT_EQ(chmod(others.c_str(), 0444), 0);
    const std::string longer(5000, 'L');
    const auto before = [&] {
        ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
        WriteText(path, "old contents of the project");
        ASSERT_EQ(chmod(path.c_str(), 0640), 0);
        if (geteuid() == 0) {
            ASSERT_EQ(chown(path.c_str(), testing::kNobody, testing::kNobody), 0);
        } else {
            ASSERT_EQ(chmod(folder.Path().c_str(), 0555), 0);
        }
    };
    const auto save = [&](const std::string& target, const std::string& text) {
        return WriteFileAtomically(target, text);
    };
    enum Step { Grows = 1, Shrinks, TooLarge, NewFile, NotOurs, NotChecked };

    before();
    testing::ChildResult result = testing::RunInChild(
        [&] {
            if (!CheckOutputWritable(path)) {
                return int{NotChecked};
            }
            const FileResult grown = save(path, longer);
            if (!grown || grown.notice.find(path) == std::string::npos ||
                ReadText(path) != longer) {
                return int{Grows};
            }
            const FileResult shrunk = save(path, "new");
            return shrunk && !shrunk.notice.empty() && ReadText(path) == "new" ? 0 : int{Shrinks};
        },
        true);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(ModeOf(path), 0640u);

    // Bytes that could not all land would leave neither the old file nor the new one: such a
    // save is refused before the first byte is written.
    before();
    result = testing::RunInChild(
        [&] {
            struct rlimit small {};
            getrlimit(RLIMIT_FSIZE, &small);
            small.rlim_cur = 1024;
            signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            const FileResult refused = save(path, longer);
            return !refused && refused.message.find("unchanged") != std::string::npos
                       ? 0
                       : int{TooLarge};
        },
        true);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(ReadText(path), "old contents of the project");

    // Only an existing file we may write is rewritten; the folder still takes no new file.
    result = testing::RunInChild(
        [&] {
            if (CheckOutputWritable(folder.File("new.Vkf")) || save(folder.File("new.Vkf"), "x")) {
                return int{NewFile};
            }
            return !CheckOutputWritable(others) && !save(others, "mine") ? 0 : int{NotOurs};
        },
        true);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(ReadText(others), "not ours");
    chmod(folder.Path().c_str(), 0755);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"others.Vkf", "radio.Vkf"}));
}

}  // namespace
}  // namespace radioprog
