// Message and input boxes: buttons, answers, Escape, icons, titles, prompts.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "runtime/qt/qt_dialogs.h"

namespace {

using rt::qt::QtDialogs;
using Button = QMessageBox::StandardButton;

// Runs `act` on the next modal dialog once it is up, from inside the dialog's own event loop.
// A dialog that never comes up fails the test; one that the action leaves open is closed.
void whenModalShows(std::function<void(QWidget*)> act) {
    auto deadline = std::make_shared<QDeadlineTimer>(20000);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, deadline, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
            *poll = nullptr;  // breaks the cycle
            return;
        }
        if (deadline->hasExpired()) {
            ADD_FAILURE() << "no modal dialog came up";
            *poll = nullptr;
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void pressKey(QWidget* w, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
}

struct BoxSeen {
    QList<Button> buttons;
    Button defaultButton = QMessageBox::NoButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    Qt::TextFormat format = Qt::AutoText;
    bool onTop = false;
    Qt::WindowModality modality = Qt::NonModal;
};

// Shows a message box, records what it looked like, and clicks `click` (or presses Escape when
// `click` is NoButton).
int answerBox(const std::string& prompt, int style, const std::string& title, Button click,
              BoxSeen* seen = nullptr) {
    whenModalShows([=](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        if (seen) {
            for (QAbstractButton* b : box->buttons()) seen->buttons << box->standardButton(b);
            seen->defaultButton = box->standardButton(box->defaultButton());
            seen->icon = box->icon();
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->format = box->textFormat();
            seen->onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            seen->modality = box->windowModality();
        }
        if (click == QMessageBox::NoButton) {
            pressKey(box, Qt::Key_Escape);
        } else {
            QAbstractButton* b = box->button(click);
            ASSERT_NE(b, nullptr) << "the box has no such button";
            b->click();
        }
        if (box->isVisible()) box->done(-1);
    });
    return QtDialogs().msgBox(prompt, style, title);
}

struct ButtonCase {
    int style;
    QList<Button> buttons;  // in the forms runtime's order; the first is the default
    Button click;
    int answer;
};

TEST(MessageBox, ButtonSetsAnswerWithTheFormsRuntimeNumbers) {
    const QList<Button> ok{QMessageBox::Ok}, okCancel{QMessageBox::Ok, QMessageBox::Cancel},
        ari{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore},
        ync{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
        yn{QMessageBox::Yes, QMessageBox::No}, rc{QMessageBox::Retry, QMessageBox::Cancel};
    const ButtonCase cases[] = {
        {0, ok, QMessageBox::Ok, 1},           {1, okCancel, QMessageBox::Ok, 1},
        {1, okCancel, QMessageBox::Cancel, 2}, {2, ari, QMessageBox::Abort, 3},
        {2, ari, QMessageBox::Retry, 4},       {2, ari, QMessageBox::Ignore, 5},
        {3, ync, QMessageBox::Yes, 6},         {3, ync, QMessageBox::No, 7},
        {3, ync, QMessageBox::Cancel, 2},      {4, yn, QMessageBox::Yes, 6},
        {4, yn, QMessageBox::No, 7},           {5, rc, QMessageBox::Retry, 4},
        {5, rc, QMessageBox::Cancel, 2},       {4 + 32, yn, QMessageBox::No, 7},
        {4 + 4096, yn, QMessageBox::Yes, 6},
    };
    for (const ButtonCase& c : cases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        BoxSeen seen;
        EXPECT_EQ(answerBox("Question?", c.style, "Title", c.click, &seen), c.answer);
        QList<Button> expected = c.buttons, shown = seen.buttons;
        std::sort(expected.begin(), expected.end());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(seen.defaultButton, c.buttons.front());
    }
}

TEST(MessageBox, EscapeAnswersCancelOrNoOrOk) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 2}, {4, 7}, {5, 2}, {64, 1}};
    for (auto [style, answer] : cases) {
        SCOPED_TRACE("style " + std::to_string(style));
        EXPECT_EQ(answerBox("Escape?", style, "Title", QMessageBox::NoButton), answer);
    }
}

TEST(MessageBox, IconFollowsTheStyle) {
    const std::pair<int, QMessageBox::Icon> cases[] = {
        {0, QMessageBox::NoIcon},        {16, QMessageBox::Critical},
        {32 + 4, QMessageBox::Question}, {48, QMessageBox::Warning},
        {64, QMessageBox::Information},  {4096 + 16, QMessageBox::Critical},
    };
    for (auto [style, icon] : cases) {
        SCOPED_TRACE("style " + std::to_string(style));
        BoxSeen seen;
        answerBox("Icon", style, "Title", QMessageBox::NoButton, &seen);
        EXPECT_EQ(seen.icon, icon);
    }
}

TEST(MessageBox, ShowsTitleExactlyAndPromptAsPlainTextWithLineBreaks) {
    BoxSeen seen;
    answerBox("First <b>line</b>.\r\n\r\nSecond & last\nthird\rfourth", 64, " Aviso",
              QMessageBox::Ok, &seen);
    EXPECT_EQ(seen.title, QString(" Aviso"));
    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.text, QString("First <b>line</b>.\n\nSecond & last\nthird\nfourth"));
}

TEST(MessageBox, SystemModalStaysOnTopAndEveryBoxBlocksTheProgram) {
    BoxSeen plain, system;
    answerBox("Plain", 64, "Title", QMessageBox::Ok, &plain);
    answerBox("System", 4096 + 16, "Title", QMessageBox::Ok, &system);
    EXPECT_FALSE(plain.onTop);
    EXPECT_TRUE(system.onTop);
    EXPECT_EQ(plain.modality, Qt::ApplicationModal);
    EXPECT_EQ(system.modality, Qt::ApplicationModal);
}

// Shows an input box and acts on it: `type` replaces the text when given, then `key` is pressed
// or, when it is 0, `button` clicked.
std::string answerInput(const std::string& defaultText, std::function<void(QWidget*)> act,
                        QString* selected = nullptr, QString* prompt = nullptr) {
    whenModalShows([=](QWidget* w) {
        auto* edit = w->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        if (selected) *selected = edit->selectedText();
        if (prompt) *prompt = w->findChild<QLabel*>()->text();
        act(w);
        if (w->isVisible()) static_cast<QDialog*>(w)->done(-1);
    });
    return QtDialogs().inputBox("Type a name\r\nfor player 1", "Player 1 ...", defaultText);
}

void clickButton(QWidget* dialog, QDialogButtonBox::StandardButton which) {
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

TEST(InputBox, OkReturnsTheTextAndTheDefaultComesSelected) {
    QString selected, prompt;
    EXPECT_EQ(answerInput(
                  "Jogador 1", [](QWidget* w) { clickButton(w, QDialogButtonBox::Ok); }, &selected,
                  &prompt),
              "Jogador 1");
    EXPECT_EQ(selected, QString("Jogador 1"));
    EXPECT_EQ(prompt, QString("Type a name\nfor player 1"));

    EXPECT_EQ(answerInput("Jogador 1",
                          [](QWidget* w) {
                              w->findChild<QLineEdit*>()->setText("  Zoë 🎲  ");
                              clickButton(w, QDialogButtonBox::Ok);
                          }),
              "  Zoë 🎲  ");
}

TEST(InputBox, CancelAndEscapeReturnEmptyText) {
    EXPECT_EQ(answerInput("Jogador 1",
                          [](QWidget* w) {
                              w->findChild<QLineEdit*>()->setText("typed");
                              clickButton(w, QDialogButtonBox::Cancel);
                          }),
              "");
    EXPECT_EQ(answerInput("Jogador 1", [](QWidget* w) { pressKey(w, Qt::Key_Escape); }), "");
}

TEST(InputBox, EnterAcceptsTheText) {
    EXPECT_EQ(answerInput("Ana",
                          [](QWidget* w) {
                              w->findChild<QLineEdit*>()->setText("Bia");
                              pressKey(w->findChild<QLineEdit*>(), Qt::Key_Return);
                          }),
              "Bia");
}

// The captions of a Yes/No/Cancel box's buttons and of an input box's buttons, as shown.
QStringList buttonTexts(QtDialogs& dialogs) {
    QStringList texts;
    whenModalShows([&texts](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        for (Button b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            texts << box->button(b)->text();
        box->button(QMessageBox::Cancel)->click();
    });
    dialogs.msgBox("Iniciar novo jogo?", 3 + 32, " Aviso");
    whenModalShows([&texts](QWidget* w) {
        auto* buttons = w->findChild<QDialogButtonBox*>();
        for (auto b : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel})
            texts << buttons->button(b)->text();
        clickButton(w, QDialogButtonBox::Cancel);
    });
    dialogs.inputBox("Nome?", " Novo recorde", "");
    return texts;
}

TEST(BoxLanguage, ButtonsSpeakTheLanguageTheProgramTells) {
    QtDialogs dialogs;
    const QStringList english{"&Yes", "&No", "Cancel", "OK", "Cancel"};
    const QStringList portuguese{"&Sim", "&Não", "Cancelar", "OK", "Cancelar"};
    EXPECT_EQ(buttonTexts(dialogs), english);
    dialogs.setLanguage(rt::Language::Portuguese);
    EXPECT_EQ(buttonTexts(dialogs), portuguese);
    dialogs.setLanguage(rt::Language::English);
    EXPECT_EQ(buttonTexts(dialogs), english);
    dialogs.setLanguage(rt::Language::Portuguese);
    dialogs.setLanguage(rt::Language::Portuguese);
    EXPECT_EQ(buttonTexts(dialogs), portuguese);
}

TEST(BoxLanguage, TheTranslationGoesWithTheDialogsService) {
    {
        QtDialogs dialogs;
        dialogs.setLanguage(rt::Language::Portuguese);
        buttonTexts(dialogs);
    }
    // Another program part's texts are English again once the service is gone.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
}

}  // namespace
