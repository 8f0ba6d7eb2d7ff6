#include "runtime/qt/toolkit_warm_up.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

#include "runtime/qt/convert.h"

namespace rt::qt {

void warmUpToolkit() {
    QWidget host;
    auto* bar = new QMenuBar(&host);
    bar->setNativeMenuBar(false);
    QMenu* menu = bar->addMenu(QStringLiteral("&Game"));
    QAction* item = menu->addAction(QStringLiteral("&New game"));
    item->setShortcut(QKeySequence::fromString(QStringLiteral("F2"), QKeySequence::PortableText));
    item->setCheckable(true);
    item->setChecked(true);
    menu->addSeparator();
    // The controls' standard font, plain and bold: looking a font up and opening its files is
    // the dearest part of a first label.
    Font bold;
    bold.bold = true;
    for (const Font& font : {Font{}, bold}) {
        auto* label = new QLabel(QStringLiteral("Quopa 0123456789"), &host);
        label->setFont(toQFont(font));
        label->setWordWrap(true);
    }
    new QPushButton(QStringLiteral("&Roll"), &host);
    for (QWidget* widget : host.findChildren<QWidget*>()) {
        widget->ensurePolished();
        widget->sizeHint();
    }
    bar->heightForWidth(640);
}

void warmUpFont(const Font& font) {
    // Both the common script (a label's height) and Latin text (its words) have their own look-up.
    const QFontMetrics metrics(toQFont(font));
    metrics.height();
    metrics.horizontalAdvance(QStringLiteral("Quopa 0123456789"));
}

void warmUpBusyPointer() {
    // A window that is made but never shown: the pointer is loaded when it is given one.
    QWindow probe;
    probe.create();
    probe.setCursor(Qt::WaitCursor);
}

}  // namespace rt::qt
