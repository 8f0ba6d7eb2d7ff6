#include "runtime/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
