// F1 while a modal window is up (a dialog of the game, a message or input box): the help opens in
// front of it, at the context of the window the key was pressed on, and takes input while the
// modal window stays open.
#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/qt_help.h"
#include "tests/qt/renderer_fixture.h"

namespace {

using renderer_test::RendererTest;

// Counts the key presses that reach a window through the window system.
struct KeyCounter : QObject {
    int presses = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

// Whether a window takes a key press delivered as the window system delivers it: a window that a
// modal window blocks never sees it.
bool takesKeys(QWidget* window) {
    KeyCounter counter;
    window->windowHandle()->installEventFilter(&counter);
    QTest::keyClick(window->windowHandle(), Qt::Key_Down);
    window->windowHandle()->removeEventFilter(&counter);
    return counter.presses == 1;
}

struct Dialog : rt::Form {
    Dialog() : rt::Form("Dialog") {
        setBorderStyle(rt::FormBorder::FixedDialog);
        setClientSize(3000, 2000);
        setHelpContextID(650);
        ok.move(600, 600, 1200, 400);
        ok.setCaption("OK");
    }
    rt::CommandButton ok{this, "ok"};
};

class ModalHelp : public RendererTest {
  protected:
    void SetUp() override {
        RendererTest::SetUp();
        rt::Services s = rt::app().services();
        s.help = &viewer;
        rt::app().install(s);
        rt::app().setHelpFile(writeHelp());
    }
    void TearDown() override {
        rt::app().setHelpFile("");
        RendererTest::TearDown();
    }

    // A help file long enough to scroll, with the anchor 650 far down.
    std::string writeHelp() {
        QByteArray html = "?_\n<html><body><a name=\"10\"></a><h1>Início</h1>";
        for (int i = 0; i < 200; ++i) html += "<p>Parágrafo " + QByteArray::number(i) + "</p>";
        html += "<h2><a name=\"650\">Indicar possibilidades</a></h2>";
        for (int i = 0; i < 200; ++i) html += "<p>Mais " + QByteArray::number(i) + "</p>";
        const QString path = dir.path() + "/Ajudquopa.hlp";
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html + "</body></html>");
        return path.toStdString();
    }
    QString topText() const {
        return viewer.window()->cursorForPosition(QPoint(5, 5)).block().text();
    }
    // Runs `act` once the event loop of a modal show is running.
    static void inModalLoop(std::function<void()> act) { QTimer::singleShot(0, act); }

    QTemporaryDir dir;
    rt::qt::QtHelpViewer viewer;
};

TEST_F(ModalHelp, F1InAModalDialogOpensUsableHelpInFrontAtItsContext) {
    Dialog& dialog = make<Dialog>();
    // A window that is no child of the dialog, to show that the dialog does block the others.
    QWidget other;
    other.show();
    bool ran = false;
    inModalLoop([&] {
        ran = true;
        QWidget* window = windowOf(dialog);
        renderer_test::typeKey(window, Qt::Key_F1);
        ASSERT_NE(viewer.window(), nullptr);
        EXPECT_TRUE(viewer.window()->isVisible());
        EXPECT_EQ(viewer.window()->windowHandle()->transientParent(), window->windowHandle());
        EXPECT_EQ(topText(), QString("Indicar possibilidades"));
        EXPECT_TRUE(takesKeys(viewer.window()));
        EXPECT_FALSE(takesKeys(&other));
        dialog.hide();
    });
    dialog.show(rt::ShowMode::Modal);
    EXPECT_TRUE(ran);
}

TEST_F(ModalHelp, HelpOpenedBeforeTheModalDialogIsFreedByF1OnTheDialog) {
    viewer.show(rt::app().helpFile(), 0);
    Dialog& dialog = make<Dialog>();
    inModalLoop([&] {
        EXPECT_FALSE(takesKeys(viewer.window()));
        renderer_test::typeKey(windowOf(dialog), Qt::Key_F1);
        EXPECT_TRUE(viewer.window()->isVisible());
        EXPECT_TRUE(takesKeys(viewer.window()));
        dialog.hide();
    });
    dialog.show(rt::ShowMode::Modal);
}

TEST_F(ModalHelp, TheHelpStaysOpenAndUsableWhenTheModalDialogGoes) {
    Dialog& dialog = make<Dialog>();
    inModalLoop([&] {
        renderer_test::typeKey(windowOf(dialog), Qt::Key_F1);
        dialog.unload();
    });
    dialog.show(rt::ShowMode::Modal);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(viewer.window(), nullptr);
    EXPECT_TRUE(viewer.window()->isVisible());
    EXPECT_TRUE(takesKeys(viewer.window()));
    // Asked for again from a window that is not modal, it is a window of its own again.
    viewer.show(rt::app().helpFile(), 0);
    EXPECT_EQ(viewer.window()->windowHandle()->transientParent(), nullptr);
}

// A box opened over a shown game window; `act` runs once the box is up.
class BoxHelp : public ModalHelp {
  protected:
    void SetUp() override {
        ModalHelp::SetUp();
        owner = &make<Dialog>();
        owner->show();
        QWidget* window = windowOf(*owner);
        window->activateWindow();
        QCoreApplication::processEvents();
        ASSERT_EQ(QApplication::activeWindow(), window);
    }
    void whenBoxShows(std::function<void(QWidget* box)> act) {
        QTimer::singleShot(0, [act] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            act(box);
            if (box->isVisible()) static_cast<QDialog*>(box)->reject();
        });
    }
    void expectHelpInFrontOf(QWidget* box) {
        QTest::keyClick(box->windowHandle(), Qt::Key_F1);
        ASSERT_NE(viewer.window(), nullptr);
        EXPECT_TRUE(viewer.window()->isVisible());
        EXPECT_EQ(topText(), QString("Indicar possibilidades"));  // the owner's context
        EXPECT_EQ(viewer.window()->windowHandle()->transientParent(), box->windowHandle());
        EXPECT_TRUE(takesKeys(viewer.window()));
        EXPECT_TRUE(box->isVisible());  // F1 answers nothing
    }
    rt::qt::QtDialogs dialogs;
    Dialog* owner = nullptr;
};

TEST_F(BoxHelp, F1InAnInputBoxOpensTheHelpOfTheWindowBelow) {
    whenBoxShows([this](QWidget* box) { expectHelpInFrontOf(box); });
    EXPECT_EQ(dialogs.inputBox("Nome?", " Novo recorde", "Jogador 1"), "");
}

TEST_F(BoxHelp, F1InAMessageBoxOpensTheHelpOfTheWindowBelow) {
    whenBoxShows([this](QWidget* box) { expectHelpInFrontOf(box); });
    EXPECT_EQ(dialogs.msgBox("Iniciar novo jogo?", rt::kYesNo, "Novo jogo"), rt::kAnswerNo);
}

}  // namespace
