// The settings store on QSettings: exact round trips, damaged files, atomic saves.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
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

// What a symbolic link holds, as it was written.
QString linkText(const QString& link) {
    char text[4096];
    const ssize_t length = ::readlink(QFile::encodeName(link).constData(), text, sizeof text);
    return length < 0 ? QString() : QFile::decodeName(QByteArray(text, length));
}

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
    EXPECT_EQ(store.save(kApp, "MainForm", "Language", "1"), rt::SaveResult::Unwritable);
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

// A settings file kept with the user's other dotfiles is a symbolic link to them. A save replaces
// the file at the end of the links, beside it, and leaves the links as they are; the lock stays
// beside the name the program uses, which every copy of it shares.
TEST_F(SettingsStore, ASaveThroughSymbolicLinksReplacesTheFileTheyLeadTo) {
    struct Case {
        const char* what;
        const char* folder;  // the store's folder, under the test folder
        // Name (under the test folder) and target ("{root}": the test folder) of each link.
        std::vector<std::pair<QString, QString>> links;
        const char* file;  // what the save writes, under the test folder
        bool exists;       // the file is there before the save
    };
    const QString name = QStringLiteral("Tuvel Quopa.ini");
    const Case cases[] = {
        {"relative link",
         "conf",
         {{"conf/" + name, "../dotfiles/quopa.ini"}},
         "dotfiles/quopa.ini",
         true},
        {"chain of links",
         "conf",
         {{"conf/" + name, "{root}/links/middle.ini"},
          {"links/middle.ini", "../dotfiles/quopa.ini"}},
         "dotfiles/quopa.ini",
         true},
        {"relative link in a folder reached through a link",
         "conf",
         {{"conf", "real/conf"}, {"real/conf/" + name, "../dotfiles/quopa.ini"}},
         "real/dotfiles/quopa.ini",
         true},
        {"link to a file not made yet",
         "conf",
         {{"conf/" + name, "../dotfiles/quopa.ini"}},
         "dotfiles/quopa.ini",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir top;
        const QString root = top.path();
        for (const char* folder : {"conf", "links", "dotfiles", "real/conf", "real/dotfiles"})
            QDir().mkpath(root + "/" + folder);
        for (const auto& [link, target] : c.links) {
            QDir(root + "/" + link).removeRecursively();
            ASSERT_EQ(::symlink(QFile::encodeName(QString(target).replace("{root}", root)),
                                QFile::encodeName(root + "/" + link)),
                      0);
        }
        const QString target = root + "/" + c.file;
        const QString leftover = target + ".new-999-1";
        if (c.exists) {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("[MainForm]\nTotal=True\n");
            ASSERT_TRUE(QFile(leftover).open(QIODevice::WriteOnly));
        }
        QtSettingsStore linked((root + "/" + c.folder).toStdString());
        const QString path = linked.filePath(kApp);

        bool guardBesideTheName = false;
        EXPECT_EQ(linked.update(kApp,
                                [&](const rt::SettingsStore::Reader&) {
                                    guardBesideTheName = QFileInfo::exists(path + ".guard") &&
                                                         !QFileInfo::exists(target + ".guard");
                                    return std::vector<rt::Setting>{{"MainForm", "Players", "2"}};
                                }),
                  rt::SaveResult::Saved);
        EXPECT_TRUE(guardBesideTheName);

        for (const auto& [link, linkTarget] : c.links)
            EXPECT_EQ(linkText(root + "/" + link), QString(linkTarget).replace("{root}", root));
        EXPECT_TRUE(QFileInfo(target).isFile());
        EXPECT_FALSE(QFileInfo(target).isSymLink());
        EXPECT_EQ(
            QtSettingsStore((root + "/" + c.folder).toStdString()).get(kApp, "MainForm", "Players"),
            "2");
        QSettings written(target, QSettings::IniFormat);
        EXPECT_EQ(written.value("MainForm/Players").toString(), "2");
        EXPECT_EQ(written.value("MainForm/Total").toString(), c.exists ? "True" : "");
        // The temporary files, and what a killed save left, are beside the file.
        EXPECT_EQ(QDir(QFileInfo(target).absolutePath()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QFileInfo(target).fileName()});
        EXPECT_EQ(QDir(root + "/" + c.folder)
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{name});
    }

    // A link to a folder that is not there (a disk not mounted, dotfiles not fetched yet) fails
    // the save and makes nothing: the link stays, to lead to the file when its folder is back.
    const QString link = dir.path() + "/" + name;
    ASSERT_EQ(::symlink("nowhere/quopa.ini", QFile::encodeName(link)), 0);
    EXPECT_EQ(store.save(kApp, "MainForm", "Players", "2"), rt::SaveResult::Unwritable);
    EXPECT_EQ(linkText(link), "nowhere/quopa.ini");
    EXPECT_FALSE(QFileInfo::exists(dir.path() + "/nowhere"));
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
