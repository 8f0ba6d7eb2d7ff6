#include "runtime/qt/box_widget.h"

#include <QPaintEvent>
#include <QPainter>

namespace rt::qt {

BoxWidget::BoxWidget(QWidget* parent) : QFrame(parent), host_(new QWidget(this)) {
    setLineWidth(1);
}

void BoxWidget::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QColor BoxWidget::plainFillUnder(const QRect& area) const {
    if (!autoFillBackground() || !picture_.isNull()) return {};
    // The inner widget covers the box inside its border (its own size may not be set yet while
    // the box is hidden).
    if (!QRect(QPoint(0, 0), contentsRect().size()).contains(area)) return {};
    return palette().color(backgroundRole());
}

void BoxWidget::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    host_->setGeometry(contentsRect());
}

void BoxWidget::paintEvent(QPaintEvent* event) {
    // A repaint inside the border (a die of the dice table) leaves the border alone.
    if (frameStyle() != QFrame::NoFrame && !contentsRect().contains(event->rect()))
        QFrame::paintEvent(event);
    if (picture_.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), picture_);
}

}  // namespace rt::qt
