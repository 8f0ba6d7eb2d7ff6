#include "runtime/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <sys/stat.h>

#include "runtime/errors.h"

namespace fs = std::filesystem;

namespace {

std::string temp(const std::string& name) {
    return (fs::path(::testing::TempDir()) / name).string();
}

TEST(Files, AttributesTellFoldersFromFiles) {
    std::ofstream(temp("plain.txt")) << "x";
    fs::create_directories(temp("folder"));
    EXPECT_EQ(rt::GetAttr(temp("plain.txt")), 0);
    EXPECT_EQ(rt::GetAttr(temp("folder")) & rt::kAttributeDirectory, rt::kAttributeDirectory);
    try {
        rt::GetAttr(temp("missing"));
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::kFileNotFound);
    }
}

TEST(Files, GamePathsUseBackslashesFromTheRoot) {
    EXPECT_EQ(rt::nativePath("\\Arquivos de programas"), "/Arquivos de programas");
    EXPECT_EQ(rt::nativePath("/opt/quopa/Ajudquopa.hlp"), "/opt/quopa/Ajudquopa.hlp");
}

TEST(Files, FirstFieldEndsAtCommaOrLineBreak) {
    struct Case {
        const char* content;
        const char* field;
    } cases[] = {{"?_,rest", "?_"},
                 {"  ?_abc\nmore", "?_abc"},
                 {"\"a,b\",c", "a,b"},
                 {"x_", "x_"},
                 {"?", "?"}};
    for (const Case& c : cases) {
        std::ofstream(temp("field.txt"), std::ios::binary) << c.content;
        EXPECT_EQ(rt::readFirstField(temp("field.txt")), c.field) << c.content;
    }
    std::ofstream(temp("empty.txt"));
    EXPECT_THROW(rt::readFirstField(temp("empty.txt")), rt::RuntimeError);
}

TEST(Files, CopyOverwritesAndReportsAMissingFolder) {
    std::ofstream(temp("source.zip")) << "one";
    rt::FileCopy(temp("source.zip"), temp("target.zip"));
    std::ofstream(temp("source.zip")) << "two";
    rt::FileCopy(temp("source.zip"), temp("target.zip"));
    std::ifstream in(temp("target.zip"));
    std::string text;
    in >> text;
    EXPECT_EQ(text, "two");
    try {
        rt::FileCopy(temp("source.zip"), temp("no/such/folder/x.zip"));
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::kPathNotFound);
    }
}

TEST(Files, FoldersAreMadeWithTheirParentsAndAFileInTheWayIsAnError) {
    rt::MakeFolders(temp("a/b/c"));
    EXPECT_TRUE(fs::is_directory(temp("a/b/c")));
    rt::MakeFolders(temp("a/b/c"));  // already there: nothing to do
    std::ofstream(temp("a/file")) << "x";
    // Any non-folder is in the way, a link that leads nowhere or to a file too; a link to a
    // folder is that folder.
    fs::remove(temp("a/dangling"));
    fs::create_symlink(temp("a/nowhere"), temp("a/dangling"));
    fs::remove(temp("a/to-file"));
    fs::create_symlink(temp("a/file"), temp("a/to-file"));
    fs::remove(temp("a/to-folder"));
    fs::create_directory_symlink(temp("a/b"), temp("a/to-folder"));
    struct Case {
        const char* blocked;
        const char* inTheWay;
    } cases[] = {{"a/file", "a/file"},
                 {"a/file/below", "a/file"},
                 {"a/dangling", "a/dangling"},
                 {"a/dangling/below", "a/dangling"},
                 {"a/to-file/below", "a/to-file"}};
    for (const Case& c : cases) {
        try {
            rt::MakeFolders(temp(c.blocked));
            ADD_FAILURE() << c.blocked;
        } catch (const rt::RuntimeError& e) {
            EXPECT_EQ(e.number(), 75);
        }
        EXPECT_EQ(rt::fileInTheWay(temp(c.blocked)), temp(c.inTheWay)) << c.blocked;
    }
    EXPECT_EQ(rt::fileInTheWay(temp("a/b/c")), std::nullopt);
    EXPECT_EQ(rt::fileInTheWay(temp("a/b/new/below")), std::nullopt);
    EXPECT_EQ(rt::fileInTheWay(temp("a/to-folder/new/below")), std::nullopt);
}

TEST(Files, AnAtomicWriteReplacesTheFileWholeWithTheModeAsked) {
    const mode_t mask = ::umask(022);
    rt::writeFileAtomically(temp("launcher"), "old", rt::FileMode::Plain);
    rt::writeFileAtomically(temp("launcher"), "new text", rt::FileMode::Executable);
    std::ifstream in(temp("launcher"));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text, "new text");
    EXPECT_EQ(fs::status(temp("launcher")).permissions(),
              fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                  fs::perms::others_read | fs::perms::others_exec);
    rt::writeFileAtomically(temp("plain"), "", rt::FileMode::Plain);
    EXPECT_EQ(fs::status(temp("plain")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    ::umask(mask);
}

TEST(Files, AFailedAtomicWriteLeavesTheOldFileAndNoTemporaryOne) {
    fs::create_directories(temp("w/target"));  // a folder cannot be replaced by a file
    std::ofstream(temp("w/target/inside")) << "kept";
    try {
        rt::writeFileAtomically(temp("w/target"), "text", rt::FileMode::Plain);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), 75);
    }
    EXPECT_TRUE(fs::exists(temp("w/target/inside")));
    EXPECT_EQ(std::distance(fs::directory_iterator(temp("w")), fs::directory_iterator()), 1);
    try {
        rt::writeFileAtomically(temp("w/missing/x"), "text", rt::FileMode::Plain);
        FAIL();
    } catch (const rt::RuntimeError& e) {
        EXPECT_EQ(e.number(), rt::kPathNotFound);
    }
}

}  // namespace
