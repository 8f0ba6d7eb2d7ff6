// The settings store on QSettings: exact round trips, damaged files, atomic saves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "runtime/qt/qt_settings.h"

namespace {

using rt::qt::QtSettingsStore;
using namespace std::string_literals;

const std::string kApp = "Tuvel Quopa";

class SettingsStore : public testing::Test {
  protected:
    QTemporaryDir dir;
    QtSettingsStore store{dir.path().toStdString()};

    QString file() const { return store.filePath(kApp); }
    void writeFile(const QByteArray& bytes) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readFile() const {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Encodes a code point as UTF-8.
std::string utf8(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += char(c);
    } else if (c < 0x800) {
        s += char(0xC0 | (c >> 6));
        s += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += char(0xE0 | (c >> 12));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    } else {
        s += char(0xF0 | (c >> 18));
        s += char(0x80 | ((c >> 12) & 0x3F));
        s += char(0x80 | ((c >> 6) & 0x3F));
        s += char(0x80 | (c & 0x3F));
    }
    return s;
}

// A text of `length` characters drawn from every range a stored text may hold: control characters,
// INI syntax, Latin-1, the rest of the plane and beyond it.
std::string randomText(std::mt19937& rng, int length) {
    static const std::u32string kSyntax = U" =;#[]\"\\,@%\r\n\t/&$";
    std::string s;
    for (int i = 0; i < length; ++i) {
        char32_t c = 0;
        switch (rng() % 6) {
            case 0:
                c = rng() % 0x20;
                break;
            case 1:
                c = kSyntax[rng() % kSyntax.size()];
                break;
            case 2:
                c = 0x20 + rng() % 0x5F;
                break;
            case 3:
                c = 0x80 + rng() % 0x180;
                break;
            case 4:
                c = 0x800 + rng() % (0xD800 - 0x800);
                break;
            default:
                c = 0x10000 + rng() % 0xFFFF;
                break;
        }
        s += utf8(c);
    }
    return s;
}

// The texts the game stores, and texts that look like the file's own syntax.
const std::vector<std::string> kAwkwardTexts = {
    "True",
    "False",
    "0",
    "-5",
    "1",
    "",
    " ",
    "  two blanks  ",
    " lead",
    "trail ",
    "a=b",
    "=",
    "key = value",
    ";comment",
    "# hash",
    "[MainForm]",
    "[",
    "]",
    "\"quoted\"",
    "\"",
    "back\\slash",
    "\\x41",
    "\\n",
    "line1\nline2",
    "cr\r\nlf",
    "\r",
    "\n",
    "tab\there",
    "@at",
    "@@",
    "@Variant(\\0\\0\\0\\x7f)",
    "@ByteArray(abc)",
    "a, b, c",
    ",",
    "100%",
    "%U00E9",
    "ção ü € Ĳ",
    "🎲🎲",
    "\x01\x1f\x7f",
    "nul\0inside"s,
    "\0"s,
    std::string(2000, 'x'),
};

TEST_F(SettingsStore, AwkwardTextsRoundTripExactly) {
    for (size_t i = 0; i < kAwkwardTexts.size(); ++i)
        store.save(kApp, "MainForm", "Key" + std::to_string(i), kAwkwardTexts[i]);
    QtSettingsStore fresh(dir.path().toStdString());
    for (size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        SCOPED_TRACE("text #" + std::to_string(i));
        EXPECT_EQ(fresh.get(kApp, "MainForm", "Key" + std::to_string(i)), kAwkwardTexts[i]);
    }
}

TEST_F(SettingsStore, RandomTextsRoundTripExactly) {
    std::mt19937 rng(20240611);
    std::vector<std::string> texts;
    for (int i = 0; i < 60; ++i) texts.push_back(randomText(rng, 1 + int(rng() % 160)));
    // The records table keeps a scrambled text of 146 characters.
    texts.push_back(randomText(rng, 146));
    for (size_t i = 0; i < texts.size(); ++i)
        store.save(kApp, "Sething", "R" + std::to_string(i), texts[i]);
    QtSettingsStore fresh(dir.path().toStdString());
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE("text #" + std::to_string(i));
        EXPECT_EQ(fresh.get(kApp, "Sething", "R" + std::to_string(i)), texts[i]);
    }
}

TEST_F(SettingsStore, SectionsKeysAndApplicationsAreSeparateAndCaseSensitive) {
    store.save(kApp, "MainForm", "Language", "1");
    store.save(kApp, "MainForm", "language", "lower");
    store.save(kApp, "Sething", "Language", "other section");
    store.save(kApp, "General", "Language", "section named General");
    store.save("Other App", "MainForm", "Language", "other app");
    store.save(kApp, "MainForm", "Language", "0");  // overwrites

    EXPECT_EQ(store.get(kApp, "MainForm", "Language"), "0");
    EXPECT_EQ(store.get(kApp, "MainForm", "language"), "lower");
    EXPECT_EQ(store.get(kApp, "Sething", "Language"), "other section");
    EXPECT_EQ(store.get(kApp, "General", "Language"), "section named General");
    EXPECT_EQ(store.get("Other App", "MainForm", "Language"), "other app");
    EXPECT_EQ(store.get(kApp, "MainForm", "Missing"), std::nullopt);
    EXPECT_EQ(store.get("No Such App", "MainForm", "Language"), std::nullopt);
}

TEST_F(SettingsStore, EachApplicationHasItsOwnIniFileInTheOrganisationFolder) {
    EXPECT_TRUE(QtSettingsStore().filePath(kApp).endsWith("/Ostrelo/Tuvel Quopa.ini"));
    store.save(kApp, "MainForm", "Players", "2");
    EXPECT_EQ(file(), dir.path() + "/Tuvel Quopa.ini");
    EXPECT_TRUE(readFile().contains("[MainForm]\nPlayers=2"));
}

TEST_F(SettingsStore, SaveCreatesAMissingFolder) {
    QtSettingsStore nested((dir.path() + "/a/b").toStdString());
    nested.save(kApp, "MainForm", "Total", "False");
    EXPECT_EQ(QtSettingsStore((dir.path() + "/a/b").toStdString()).get(kApp, "MainForm", "Total"),
              "False");
}

TEST_F(SettingsStore, GarbageFileReadsAsAbsentAndIsRepairedBySave) {
    std::mt19937 rng(7);
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i) garbage += char(rng());
    garbage += "\n[MainForm\nLanguage\"=\"1\n=;;\n";
    writeFile(garbage);
    EXPECT_EQ(store.get(kApp, "MainForm", "Language"), std::nullopt);

    store.save(kApp, "MainForm", "Language", "1");
    EXPECT_EQ(QtSettingsStore(dir.path().toStdString()).get(kApp, "MainForm", "Language"), "1");
}

TEST_F(SettingsStore, ValuesThatAreNotTextsReadAsAbsent) {
    // What a hand-edited or damaged file may hold: an unquoted list, serialised Qt types.
    writeFile(
        "[MainForm]\nPlayers=2, 3\nChances=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x1)\n"
        "Size=@Size(1 2)\nGarbled=@Variant(\\xff\\xff)\nLanguage=1\n");
    EXPECT_EQ(store.get(kApp, "MainForm", "Players"), std::nullopt);
    EXPECT_EQ(store.get(kApp, "MainForm", "Chances"), std::nullopt);
    EXPECT_EQ(store.get(kApp, "MainForm", "Size"), std::nullopt);
    EXPECT_EQ(store.get(kApp, "MainForm", "Garbled"), std::nullopt);
    EXPECT_EQ(store.get(kApp, "MainForm", "Language"), "1");
}

TEST_F(SettingsStore, UnreadableFileReadsAsAbsentAndSaveFails) {
    // A folder where the file should be: it can be neither read nor replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir("Tuvel Quopa.ini"));
    EXPECT_EQ(store.get(kApp, "MainForm", "Language"), std::nullopt);
    EXPECT_FALSE(store.save(kApp, "MainForm", "Language", "1"));
    EXPECT_EQ(store.get(kApp, "MainForm", "Language"), std::nullopt);
}

TEST_F(SettingsStore, SaveReplacesTheFileByRenameAndLeavesNoTemporaryFile) {
    store.save(kApp, "MainForm", "Language", "0");
    const QByteArray before = readFile();
    QFile old(file());
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    struct stat first {};
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &first), 0);

    store.save(kApp, "MainForm", "Language", "1");

    // A new file took the old one's name: the old file, still open, is untouched and whole.
    struct stat second {};
    ASSERT_EQ(::stat(QFile::encodeName(file()).constData(), &second), 0);
    EXPECT_NE(first.st_ino, second.st_ino);
    EXPECT_EQ(old.readAll(), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Tuvel Quopa.ini"});
}

TEST_F(SettingsStore, AReaderNeverSeesAPartlyWrittenFile) {
    store.save(kApp, "MainForm", "Zz", "end");
    std::atomic<bool> done{false};
    std::atomic<int> reads{0}, broken{0};
    std::thread reader([&] {
        const QByteArray path = QFile::encodeName(file());
        while (!done) {
            QFile f(QString::fromLocal8Bit(path));
            if (!f.open(QIODevice::ReadOnly)) continue;
            const QByteArray content = f.readAll();
            ++reads;
            // Keys are written in order, so a whole file always ends with the last one.
            if (!content.endsWith("Zz=end\n")) ++broken;
        }
    });
    for (int i = 0; i < 100; ++i)
        store.save(kApp, "MainForm", "Aa",
                   std::string(size_t(1 + (i % 7) * 3000), char('a' + i % 26)));
    done = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(broken.load(), 0);
}

}  // namespace
