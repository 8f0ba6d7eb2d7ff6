// The help viewer: the mark line, anchors by context, reuse, missing files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>

#include "runtime/qt/qt_help.h"
#include "tests/support/game_fixture.h"

namespace {

using rt::qt::QtHelpViewer;

class HelpViewer : public testing::Test {
  protected:
    QTemporaryDir dir;
    QtHelpViewer viewer;

    // A help file long enough to scroll, with anchors 10 (at the start), 650 (far down) and a link
    // to 650 at the top.
    std::string writeHelp(const QString& name, const QByteArray& firstLine = "?_ Quopa help",
                          const QByteArray& head = "") {
        QByteArray html = firstLine + "\r\n<html><head>" + head +
                          "</head><body><a name=\"10\"></a><h1>Início</h1>"
                          "<p><a href=\"#650\">Dicas</a></p>";
        for (int i = 0; i < 200; ++i) html += "<p>Parágrafo " + QByteArray::number(i) + "</p>";
        html += "<h2><a name=\"650\">Indicar possibilidades</a></h2>";
        for (int i = 0; i < 200; ++i) html += "<p>Mais " + QByteArray::number(i) + "</p>";
        html += "</body></html>";
        const QString path = dir.path() + "/" + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html);
        return path.toStdString();
    }

    int scroll() const { return viewer.window()->verticalScrollBar()->value(); }
    // The text at the top of the visible page.
    QString topText() const {
        QTextBrowser* b = viewer.window();
        return b->cursorForPosition(QPoint(5, 5)).block().text();
    }
};

TEST_F(HelpViewer, OpensAtTheAnchorOfTheContext) {
    viewer.show(writeHelp("Ajudquopa.hlp"), 650);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_GT(scroll(), 0);
    EXPECT_EQ(topText(), QString("Indicar possibilidades"));
}

TEST_F(HelpViewer, ContextZeroOrUnknownShowsTheStart) {
    const std::string file = writeHelp("Helpquopa.hlp");
    viewer.show(file, 650);
    ASSERT_GT(scroll(), 0);
    viewer.show(file, 0);
    EXPECT_EQ(scroll(), 0);
    viewer.show(file, 650);
    viewer.show(file, 999);
    EXPECT_EQ(scroll(), 0);
}

TEST_F(HelpViewer, TheMarkLineIsNotShownButAFileWithoutItIsShownWhole) {
    viewer.show(writeHelp("Ajudquopa.hlp"), 0);
    EXPECT_FALSE(viewer.window()->toPlainText().contains("?_"));
    EXPECT_TRUE(viewer.window()->toPlainText().startsWith("Início"));

    viewer.show(writeHelp("ostrelo.chm", "Plain first line"), 0);
    EXPECT_TRUE(viewer.window()->toPlainText().startsWith("Plain first line"));
}

TEST_F(HelpViewer, ReusesItsOneWindow) {
    viewer.show(writeHelp("Ajudquopa.hlp"), 10);
    QTextBrowser* first = viewer.window();
    first->close();
    viewer.show(writeHelp("marketin.chm"), 0);
    EXPECT_EQ(viewer.window(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(HelpViewer, ReopenedAtTheStartAfterAnAnchorWhileClosed) {
    const std::string file = writeHelp("Ajudquopa.hlp");
    viewer.show(file, 650);
    viewer.window()->close();
    viewer.show(file, 0);
    EXPECT_EQ(scroll(), 0);
}

TEST_F(HelpViewer, MissingOrUnreadableFileShowsNothing) {
    EXPECT_NO_THROW(viewer.show((dir.path() + "/missing.hlp").toStdString(), 650));
    EXPECT_EQ(viewer.window(), nullptr);
    EXPECT_NO_THROW(viewer.show(dir.path().toStdString(), 0));  // a folder
    EXPECT_EQ(viewer.window(), nullptr);
}

TEST_F(HelpViewer, TitledByThePageTitleElseItsFirstHeadingElseTheFileName) {
    viewer.show(writeHelp("Ajudquopa.hlp", "?_", "<title> Ajuda  do Quopa </title>"), 650);
    EXPECT_EQ(viewer.window()->windowTitle(), QString("Ajuda do Quopa"));
    viewer.show(writeHelp("marketin.chm"), 0);
    EXPECT_EQ(viewer.window()->windowTitle(), QString("Início"));

    const QString bare = dir.path() + "/ostrelo.chm";
    QFile f(bare);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("?_\n<p>No title, no heading</p>");
    f.close();
    viewer.show(bare.toStdString(), 0);
    EXPECT_EQ(viewer.window()->windowTitle(), QString("ostrelo"));
}

TEST_F(HelpViewer, TheProgramsHelpFilesShowTheirOwnTitles) {
    const std::string files = testing_support::sourceDir() + "/resources/files/";
    const std::pair<const char*, const char*> titles[] = {
        {"Ajudquopa.hlp", "Ajuda do Tuvel Quopa"},
        {"Helpquopa.hlp", "Tuvel Quopa Help"},
        {"marketin.chm", "Marketing"},
        {"ostrelo.chm", "Ostrelo"},
    };
    for (const auto& [file, title] : titles) {
        viewer.show(files + file, 0);
        ASSERT_NE(viewer.window(), nullptr) << file;
        EXPECT_EQ(viewer.window()->windowTitle(), QString(title)) << file;
    }
}

TEST_F(HelpViewer, LinkToAnAnchorScrollsThePage) {
    viewer.show(writeHelp("Ajudquopa.hlp"), 0);
    QTextBrowser* b = viewer.window();
    b->setFocus();
    // Tab moves to the first link, Return follows it, as a keyboard user does.
    for (int key : {int(Qt::Key_Tab), int(Qt::Key_Return)}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(b, &press);
    }
    EXPECT_GT(scroll(), 0);
    EXPECT_EQ(topText(), QString("Indicar possibilidades"));
}

}  // namespace
