#include "runtime/qt/qt_help.h"

#include <optional>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QWindow>

namespace rt::qt {

namespace {

// The page of a help file: its text after the "?_" mark line. A file without the mark is shown
// whole, as the mark is only the program's check of the file.
std::optional<QString> readPage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QStringLiteral("?_"))) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'));
        text = end < 0 ? QString() : text.mid(end + 1);
    }
    return text;
}

}  // namespace

QtHelpViewer::QtHelpViewer() = default;
QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::show(const std::string& file, int context) {
    const QString path = QString::fromUtf8(file.data(), qsizetype(file.size()));
    const std::optional<QString> page = readPage(path);
    if (!page) return;
    if (!browser_) {
        browser_ = std::make_unique<QTextBrowser>();
        browser_->setOpenExternalLinks(true);
        // A comfortable reading size, centred on the screen the first time it opens.
        QSize size(760, 620);
        if (QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            size = size.boundedTo(area.size() * 0.9);
            browser_->resize(size);
            browser_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
        } else {
            browser_->resize(size);
        }
    }
    keepAboveModalWindow();
    browser_->setWindowTitle(QFileInfo(path).completeBaseName());
    browser_->setHtml(*page);
    // A new page starts at its top, where context 0, or a context the file has no anchor for,
    // leaves it.
    if (context != 0) browser_->scrollToAnchor(QString::number(context));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void QtHelpViewer::keepAboveModalWindow() {
    // A modal dialog blocks every other window of the program: help asked for from one would
    // show a page nobody can scroll, or none at all, below the main window. There the viewer is
    // modal itself, above the dialog, which takes the input again when the viewer closes.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == browser_.get()) modal = nullptr;
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (browser_->windowModality() != modality) {
        // Qt takes a new modality only while the window is hidden.
        browser_->hide();
        browser_->setWindowModality(modality);
    }
    browser_->winId();
    if (QWindow* window = browser_->windowHandle())
        window->setTransientParent(modal ? modal->windowHandle() : nullptr);
}

}  // namespace rt::qt
