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
#include <QDirIterator>
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

// The links of a chain of `count` symbolic links from the store's file in "conf" to `end`, all
// but the first in "links": name and target, as in the tables below.
std::vector<std::pair<QString, QString>> chainOfLinks(int count, const QString& end) {
    std::vector<std::pair<QString, QString>> links{{"conf/Tuvel Quopa.ini", "../links/1"}};
    for (int i = 1; i < count; ++i)
        links.push_back(
            {"links/" + QString::number(i), i + 1 < count ? QString::number(i + 1) : "../" + end});
    return links;
}

// The folders the tables below use, under the test folder.
const QStringList kFolders = {"conf", "dotfiles",  "links",        "links/deep",
                              "real", "real/conf", "real/dotfiles"};

// Names as one text, as a failed comparison shows them.
std::string names(const QStringList& list) {
    return list.join(" | ").toStdString();
}

// Makes the folders, under `root`, and the links of a row.
void makeLinks(const QString& root, const std::vector<std::pair<QString, QString>>& links) {
    for (const QString& folder : kFolders) QDir().mkpath(root + "/" + folder);
    for (const auto& [link, target] : links) {
        QDir(root + "/" + link).removeRecursively();
        ASSERT_EQ(::symlink(QFile::encodeName(QString(target).replace("{root}", root)),
                            QFile::encodeName(root + "/" + link)),
                  0)
            << link.toStdString();
    }
}

// A settings file kept with the user's other dotfiles is a symbolic link to them. A save replaces
// the file at the end of the links, and leaves the links as they are. The lock, the temporary
// files and what a killed save left are beside that file, where copies that reach it through
// other links find them; nothing else there is touched.
TEST_F(SettingsStore, ASaveThroughSymbolicLinksReplacesTheFileTheyLeadTo) {
    struct Case {
        const char* what;
        const char* folder;  // the store's folder, under the test folder
        // Name (under the test folder) and target ("{root}": the test folder) of each link.
        std::vector<std::pair<QString, QString>> links;
        QString file;  // what the save writes, under the test folder
        bool exists;   // the file is there before the save
        // The user's files beside the file, which the save leaves alone.
        QStringList others = {};
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
        {"relative link further down the chain, read from its own folder",
         "conf",
         {{"conf/" + name, "../links/deep/middle.ini"},
          {"links/deep/middle.ini", "../../dotfiles/quopa.ini"}},
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
        {"chain of as many links as the system follows", "conf",
         chainOfLinks(40, "dotfiles/quopa.ini"), "dotfiles/quopa.ini", true},
        {"file named like a pattern",
         "conf",
         {{"conf/" + name, "../dotfiles/q*.ini"}},
         "dotfiles/q*.ini",
         true,
         {"qother.ini.new-5", "q*.ini.new-old"}},
        {"file named with brackets",
         "conf",
         {{"conf/" + name, "../dotfiles/quopa[1].ini"}},
         "dotfiles/quopa[1].ini",
         true,
         {"quopa1.ini.new-5-1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir top;
        const QString root = top.path();
        makeLinks(root, c.links);
        const QString target = root + "/" + c.file;
        const QString targetFolder = QFileInfo(target).absolutePath();
        const QString leftover = target + ".new-999-1";
        if (c.exists) {
            QFile old(target);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("[MainForm]\nTotal=True\n");
            ASSERT_TRUE(QFile(leftover).open(QIODevice::WriteOnly));
        }
        for (const QString& other : c.others)
            ASSERT_TRUE(QFile(targetFolder + "/" + other).open(QIODevice::WriteOnly));
        QtSettingsStore linked((root + "/" + c.folder).toStdString());
        const QString folder = root + "/" + c.folder;

        bool lockedBesideTheFile = false, copyBesideTheFile = false;
        QStringList besideTheName;
        EXPECT_EQ(linked.update(kApp,
                                [&](const rt::SettingsStore::Reader&) {
                                    lockedBesideTheFile = QFileInfo::exists(target + ".guard");
                                    for (const QString& f : QDir(targetFolder).entryList())
                                        if (f.startsWith(QFileInfo(target).fileName() + ".new-"))
                                            copyBesideTheFile = true;
                                    besideTheName =
                                        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden |
                                                               QDir::System | QDir::NoDotAndDotDot);
                                    return std::vector<rt::Setting>{{"MainForm", "Players", "2"}};
                                }),
                  rt::SaveResult::Saved);
        EXPECT_TRUE(lockedBesideTheFile);
        // (A file not made yet has no copy until the new file is written.)
        EXPECT_TRUE(copyBesideTheFile || !c.exists);
        EXPECT_EQ(names(besideTheName), names({name}));

        for (const auto& [link, linkTarget] : c.links)
            EXPECT_EQ(linkText(root + "/" + link), QString(linkTarget).replace("{root}", root));
        EXPECT_TRUE(QFileInfo(target).isFile());
        EXPECT_FALSE(QFileInfo(target).isSymLink());
        EXPECT_EQ(QtSettingsStore(folder.toStdString()).get(kApp, "MainForm", "Players"), "2");
        QSettings written(target, QSettings::IniFormat);
        EXPECT_EQ(written.value("MainForm/Players").toString(), "2");
        EXPECT_EQ(written.value("MainForm/Total").toString(), c.exists ? "True" : "");
        // What a killed save left is gone, and the lock with the save.
        QStringList expected = c.others;
        expected << QFileInfo(target).fileName();
        expected.sort();
        EXPECT_EQ(names(QDir(targetFolder).entryList(QDir::Files | QDir::Hidden)), names(expected));
        EXPECT_EQ(
            names(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)),
            names({name}));
    }
}

// The warnings the program logs while this lives.
class LoggedWarnings {
  public:
    LoggedWarnings() {
        logged().clear();
        previous_ = qInstallMessageHandler(&keep);
    }
    ~LoggedWarnings() { qInstallMessageHandler(previous_); }
    LoggedWarnings(const LoggedWarnings&) = delete;
    LoggedWarnings& operator=(const LoggedWarnings&) = delete;
    std::string text() const { return logged().join('\n').toStdString(); }

  private:
    static QStringList& logged() {
        static QStringList warnings;
        return warnings;
    }
    static void keep(QtMsgType, const QMessageLogContext&, const QString& message) {
        logged() << message;
    }
    QtMessageHandler previous_;
};

// Links that lead to no file a save can write fail the save at once, make nothing and change no
// link, and the program's log says where they lead. A link into a folder that is not there (a disk
// not mounted, dotfiles not fetched yet) stays, to lead to the file when its folder is back.
TEST_F(SettingsStore, ASaveThroughLinksThatLeadNowhereFailsAndSaysWhere) {
    struct Case {
        const char* what;
        std::vector<std::pair<QString, QString>> links;
        const char* told;  // in the warning, after the store's name
    };
    const Case cases[] = {
        {"loop",
         {{"conf/Tuvel Quopa.ini", "{root}/links/a"}, {"links/a", "{root}/conf/Tuvel Quopa.ini"}},
         "its symbolic links loop"},
        {"more links than the system follows", chainOfLinks(41, "dotfiles/quopa.ini"),
         "more than 40 symbolic links"},
        {"folder not there",
         {{"conf/Tuvel Quopa.ini", "nowhere/quopa.ini"}},
         "conf/nowhere/quopa.ini, in a folder that cannot be reached"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir top;
        const QString root = top.path();
        makeLinks(root, c.links);
        QtSettingsStore linked((root + "/conf").toStdString());
        const LoggedWarnings warnings;
        EXPECT_EQ(linked.save(kApp, "MainForm", "Players", "2"), rt::SaveResult::Unwritable);
        EXPECT_NE(warnings.text().find(linked.location(kApp)), std::string::npos)
            << warnings.text();
        EXPECT_NE(warnings.text().find(c.told), std::string::npos) << warnings.text();
        QStringList made;
        for (QDirIterator i(root,
                            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
             i.hasNext();)
            made << i.next().mid(root.size() + 1);
        made.sort();
        QStringList links = kFolders;
        for (const auto& [link, target] : c.links) {
            links << link;
            EXPECT_EQ(linkText(root + "/" + link), QString(target).replace("{root}", root));
        }
        links.sort();
        EXPECT_EQ(names(made), names(links));
    }
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
