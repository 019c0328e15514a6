#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "files/WholeFile.h"
#include "testing/TempDir.h"

namespace {

namespace fs = std::filesystem;
using testing_support::readFile;
using testing_support::TempDir;
using testing_support::writeFile;

size_t entriesIn(const fs::path& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

unsigned modeOf(const fs::path& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(WholeFile, ReadGivesEveryByteOrNothing)
{
    TempDir dir;
    std::string bytes(200000, 'x');
    bytes[7] = '\0';
    bytes.back() = '\xFF';
    writeFile(dir / "big.bin", bytes);
    writeFile(dir / "empty.bin", std::string());
    EXPECT_EQ(common::readWholeFile((dir / "big.bin").string()), bytes);
    EXPECT_EQ(common::readWholeFile((dir / "empty.bin").string()), std::string());

    EXPECT_FALSE(common::readWholeFile((dir / "missing.bin").string()));
    EXPECT_FALSE(common::readWholeFile(dir.str()));
    EXPECT_FALSE(common::readWholeFile(""));
}

TEST(WholeFile, ReplaceWritesANewFileWithTheUsualPermissions)
{
    TempDir dir;
    const fs::path path = dir / "new.txt";
    EXPECT_FALSE(common::replaceFileAtomically(path.string(), "new\r\n"));
    EXPECT_EQ(readFile(path), "new\r\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(path), 0666u & ~mask);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WholeFile, ReplaceKeepsThePermissionsOfTheEarlierFile)
{
    TempDir dir;
    const fs::path path = dir / "001A8000.txt";
    writeFile(path, std::string("old text\r\n"));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    EXPECT_FALSE(common::replaceFileAtomically(path.string(), "new"));
    EXPECT_EQ(readFile(path), "new");
    EXPECT_EQ(modeOf(path), 0640u);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(WholeFile, AFailedReplaceKeepsTheEarlierFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    // A folder where the file should be.
    fs::create_directory(dir / "taken");
    std::error_code error = common::replaceFileAtomically((dir / "taken").string(), "x");
    EXPECT_EQ(error, std::errc::is_a_directory);
    EXPECT_TRUE(fs::is_directory(dir / "taken"));

    // A folder that does not exist; the message names the cause.
    error = common::replaceFileAtomically((dir / "missing" / "x.txt").string(), "x");
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
    EXPECT_FALSE(error.message().empty());

    // No file name at all.
    EXPECT_TRUE(common::replaceFileAtomically("", "x"));
    EXPECT_TRUE(common::replaceFileAtomically(dir.str() + "/", "x"));

    // A folder that may not be written: the earlier file stays.
    fs::create_directory(dir / "locked");
    writeFile(dir / "locked/keep.txt", "earlier");
    ASSERT_EQ(::chmod((dir / "locked").c_str(), 0555), 0);
    if (::access((dir / "locked").c_str(), W_OK) != 0) {
        EXPECT_EQ(common::replaceFileAtomically((dir / "locked/keep.txt").string(), "new"), std::errc::permission_denied);
        EXPECT_EQ(readFile(dir / "locked/keep.txt"), "earlier");
        EXPECT_EQ(entriesIn(dir / "locked"), 1u);
    }
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

TEST(WholeFile, AFileThatMayNotBeWrittenIsNotReplaced)
{
    TempDir dir;
    const fs::path path = dir / "read-only.txt";
    writeFile(path, "earlier");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    if (::access(path.c_str(), W_OK) == 0) GTEST_SKIP() << "permissions do not bind this user";
    EXPECT_EQ(common::replaceFileAtomically(path.string(), "new"), std::errc::permission_denied);
    EXPECT_EQ(readFile(path), "earlier");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

}  // namespace

TEST(WholeFile, CreateMakesANewFileAndNeverTouchesAnExistingOne)
{
    TempDir dir;
    const std::string path = (dir / "new.txt").string();
    EXPECT_FALSE(common::createFileExclusively(path, "fresh"));
    EXPECT_EQ(readFile(path), "fresh");

    // A file, a folder or a dangling link at the path: refused, left alone,
    // and no temporary file stays behind.
    const auto before = fs::last_write_time(path);
    EXPECT_EQ(common::createFileExclusively(path, "other"), std::errc::file_exists);
    EXPECT_EQ(readFile(path), "fresh");
    EXPECT_EQ(fs::last_write_time(path), before);
    fs::create_directory(dir / "folder");
    EXPECT_EQ(common::createFileExclusively((dir / "folder").string(), "x"), std::errc::file_exists);
    fs::create_symlink(dir / "nowhere", dir / "link");
    EXPECT_EQ(common::createFileExclusively((dir / "link").string(), "x"), std::errc::file_exists);
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
    EXPECT_EQ(entriesIn(dir.path()), 3u);

    // A missing folder is an error, not a created one.
    EXPECT_EQ(common::createFileExclusively((dir / "missing" / "a.txt").string(), "x"),
              std::errc::no_such_file_or_directory);
    EXPECT_FALSE(fs::exists(dir / "missing"));
}
