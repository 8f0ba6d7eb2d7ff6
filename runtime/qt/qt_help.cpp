#include "runtime/qt/qt_help.h"

#include <optional>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
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

// The title the page gives itself: its <title>, else its first heading, else the file's name.
QString titleOf(const QTextBrowser& browser, const QString& path) {
    QString title = browser.documentTitle().simplified();
    for (QTextBlock b = browser.document()->begin(); title.isEmpty() && b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() > 0) title = b.text().simplified();
    return title.isEmpty() ? QFileInfo(path).completeBaseName() : title;
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
    standAboveModal();
    browser_->setHtml(*page);
    browser_->setWindowTitle(titleOf(*browser_, path));
    // A new page starts at its top, where context 0, or a context the file has no anchor for,
    // leaves it.
    if (context != 0) browser_->scrollToAnchor(QString::number(context));
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void QtHelpViewer::standAboveModal() {
    // Qt lets input through to the transient children of a modal window, and window managers
    // keep a transient child above its parent: help asked for from a modal window (a dialog, a
    // message or input box) stands in front of it and can be read and scrolled while it is open.
    QWindow* modal = QGuiApplication::modalWindow();
    browser_->winId();
    QWindow* own = browser_->windowHandle();
    if (!own || modal == own || own->transientParent() == modal) return;
    // Qt decides whether a window is blocked when it is shown: a shown window is shown anew.
    if (browser_->isVisible()) browser_->hide();
    own->setTransientParent(modal);
}

}  // namespace rt::qt
