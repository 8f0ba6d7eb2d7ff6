#include "runtime/qt/qt_dialogs.h"

#include <array>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QWindow>

#include "runtime/app.h"
#include "runtime/qt/renderer_window.h"

namespace rt::qt {

namespace {

using Button = QMessageBox::StandardButton;

QString qs(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The forms runtime breaks lines at "\r\n" as well as at a lone "\r" or "\n".
QString promptText(const std::string& prompt) {
    QString text = qs(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// One row per button set (style & 7): the buttons in the forms runtime's order (the first is the
// default), and the one that Escape and the close button stand for.
struct ButtonSet {
    std::array<Button, 3> buttons;
    Button escape;
};
constexpr std::array<ButtonSet, 6> kButtonSets = {{
    {{QMessageBox::Ok, QMessageBox::NoButton, QMessageBox::NoButton}, QMessageBox::Ok},
    {{QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::NoButton}, QMessageBox::Cancel},
    {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Abort},
    {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel},
    {{QMessageBox::Yes, QMessageBox::No, QMessageBox::NoButton}, QMessageBox::No},
    {{QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::NoButton}, QMessageBox::Cancel},
}};

QMessageBox::Icon iconOf(int style) {
    switch (style & 0x70) {
        case kCritical:
            return QMessageBox::Critical;
        case kQuestion:
            return QMessageBox::Question;
        case kExclamation:
            return QMessageBox::Warning;
        case kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

int answerOf(Button button) {
    switch (button) {
        case QMessageBox::Ok:
            return 1;
        case QMessageBox::Cancel:
            return 2;
        case QMessageBox::Abort:
            return 3;
        case QMessageBox::Retry:
            return 4;
        case QMessageBox::Ignore:
            return 5;
        case QMessageBox::Yes:
            return 6;
        case QMessageBox::No:
            return 7;
        default:
            return 0;
    }
}

// Every box blocks the whole program; a system-modal one also stays above every other window.
void setModality(QWidget& box, int style) {
    box.setWindowModality(Qt::ApplicationModal);
    if (style & kSystemModal) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

// F1 on a box opens the help as on the window the box stands over: the box has no help of its
// own, and the question it asks belongs to that window.
class HelpKey : public QObject {
  public:
    explicit HelpKey(QWidget& box)
        : QObject(&box), owner_(qobject_cast<FormWindow*>(QApplication::activeWindow())) {
        box.winId();
        // The box's native window sees every key before the focused button or line edit.
        box.windowHandle()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1)
            return false;
        Form* form = owner_ ? owner_->form() : nullptr;
        guard([form] { app().pressHelpKey(form); });
        return true;
    }

  private:
    QPointer<FormWindow> owner_;
};

}  // namespace

QtDialogs::QtDialogs() = default;
QtDialogs::~QtDialogs() = default;  // a translator takes itself out as it goes

void QtDialogs::setLanguage(Language language) {
    portuguese_ = language == Language::Portuguese;
    // The translation is read from disk when a box first needs it, not on the way to the first
    // window; once read, a switch of language takes effect at once.
    if (translator_ || !portuguese_) applyLanguage();
}

void QtDialogs::applyLanguage() {
    if (portuguese_ == installed_) return;
    if (!portuguese_) {
        QCoreApplication::removeTranslator(translator_.get());
        installed_ = false;
        return;
    }
    if (!translator_) {
        translator_ = std::make_unique<QTranslator>();
        // The game speaks Brazilian Portuguese ("Área de Trabalho"); the loader falls back to
        // plain "pt" when only that file is there.
        loaded_ = translator_->load(QLocale(QLocale::Portuguese, QLocale::Brazil), "qtbase", "_",
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // Without the file nothing is installed, and the buttons stay English.
    installed_ = loaded_ && QCoreApplication::installTranslator(translator_.get());
}

int QtDialogs::msgBox(const std::string& prompt, int style, const std::string& title) {
    // Button sets 6 and 7 do not exist; the forms runtime shows OK for them.
    const ButtonSet& set = kButtonSets[std::size_t(style & 7) < kButtonSets.size() ? style & 7 : 0];
    applyLanguage();
    QPointer<QMessageBox> box = new QMessageBox;
    box->setWindowTitle(qs(title));
    box->setTextFormat(Qt::PlainText);
    box->setText(promptText(prompt));
    box->setIcon(iconOf(style));
    for (Button b : set.buttons)
        if (b != QMessageBox::NoButton) box->addButton(b);
    box->setDefaultButton(set.buttons[0]);
    box->setEscapeButton(set.escape);
    setModality(*box, style);
    new HelpKey(*box);
    box->exec();
    if (!box) return answerOf(set.escape);  // destroyed while it ran, as the program ended
    const int answer = answerOf(box->standardButton(box->clickedButton()));
    delete box;
    return answer != 0 ? answer : answerOf(set.escape);
}

std::string QtDialogs::inputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText) {
    applyLanguage();
    QPointer<QDialog> dialog = new QDialog;
    dialog->setWindowTitle(qs(title));
    auto* layout = new QVBoxLayout(dialog);
    auto* label = new QLabel(promptText(prompt));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    auto* edit = new QLineEdit(qs(defaultText));
    edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    edit->setFocus();
    setModality(*dialog, 0);
    new HelpKey(*dialog);
    const int result = dialog->exec();
    if (!dialog) return {};
    const std::string text =
        result == QDialog::Accepted ? edit->text().toStdString() : std::string();
    delete dialog;
    return text;
}

}  // namespace rt::qt
