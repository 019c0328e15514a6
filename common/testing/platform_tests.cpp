#include <filesystem>

#include <gtest/gtest.h>

#include "platform/FolderSearch.h"
#include "platform/ScriptedPlatform.h"
#include "testing/TempDir.h"

using platform::ScriptedPlatform;
using testing_support::TempDir;
using testing_support::writeFile;

TEST(Wildcard, MatchesLikeTheFolderSearchOfADesktop)
{
    struct Case { const char* pattern; const char* name; bool match; };
    const Case cases[] = {
        {"*.BIN", "intro.bin", true},   {"*.bin", "INTRO.BIN", true}, {"*.bin", "intro.bi", false},
        {"*.TAR.GZ", "a.tar.gz", true}, {"*.TAR.GZ", "a.gz", false},  {"*", "", true},
        {"a?c", "abc", true},           {"a?c", "ac", false},         {"*a*b*", "xxaYYbzz", true},
        {"*.huf", "x.huf.rle", false},
    };
    for (const Case& c : cases) EXPECT_EQ(platform::wildcardMatch(c.pattern, c.name), c.match) << c.pattern << " " << c.name;
}

TEST(FolderSearch, ListsMatchingRegularVisibleFilesInFoldedNameOrder)
{
    TempDir dir;
    for (const char* n : {"b.bin", "A.BIN", "a.bin", "c.txt", ".hidden.bin", "C.bin"}) writeFile(dir / n, "x");
    std::filesystem::create_directory(dir / "folder.bin");
    std::vector<std::string> expected{"A.BIN", "a.bin", "b.bin", "C.bin"};
    EXPECT_EQ(platform::searchFolder(dir.str(), "*.bin"), expected);
    EXPECT_TRUE(platform::searchFolder((dir / "missing").string(), "*").empty());
}

TEST(ScriptedPlatform, AChosenFileMakesItsFolderTheWorkingFolderAndCancelChangesNothing)
{
    TempDir a, b;
    a.enter();
    writeFile(b / "pick.bin", "x");
    ScriptedPlatform p;
    p.queueCancel();
    p.queueChoice((b / "pick.bin").string());
    EXPECT_FALSE(p.openFile({"Title", "", "", ""}).has_value());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(a.path()));
    auto chosen = p.openFile({"Second", "", a.str(), ""});
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, (b / "pick.bin").string());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(b.path()));
    ASSERT_EQ(p.dialogs().size(), 2u);
    EXPECT_EQ(p.dialogs()[1].request.title, "Second");
    EXPECT_EQ(p.dialogs()[1].request.initialFolder, a.str());
    // Nothing queued: cancelled.
    EXPECT_FALSE(p.saveFile({}).has_value());
}
