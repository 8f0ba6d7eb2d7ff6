// Picture boxes, frames and lines.
#include <QGroupBox>
#include <QPainter>

#include "runtime/qt/box_widget.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

class PictureBoxPeer : public ControlPeer {
  public:
    PictureBoxPeer(PictureBox& box, QWidget* parent) : PictureBoxPeer(box, new BoxWidget(parent)) {}
    QWidget* childHost() override { return box_->host(); }

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
    void applyPicture() override { box_->setPicture(toPixmap(model().picture())); }
    void applyAppearance() override {
        box_->setFrameStyle(model().borderStyle() == BorderStyle::FixedSingle ? kBorderFrame
                                                                              : QFrame::NoFrame);
        box_->host()->setGeometry(box_->contentsRect());
    }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override {
        return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    }

  private:
    PictureBoxPeer(PictureBox& box, BoxWidget* widget) : ControlPeer(box, widget), box_(widget) {
        watchAlso(box_->host());
    }
    const PictureBox& model() const { return static_cast<const PictureBox&>(*control_); }
    BoxWidget* box_;
};

// A frame: a captioned group box; its children are placed from its top left corner.
class FramePeer : public ControlPeer {
  public:
    FramePeer(Frame& frame, QWidget* parent) : FramePeer(frame, new QGroupBox(parent)) {}
    QWidget* childHost() override { return group_; }

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
    void applyCaption() override {
        group_->setTitle(toQString(static_cast<const Frame&>(*control_).caption()));
    }

  private:
    FramePeer(Frame& frame, QGroupBox* widget) : ControlPeer(frame, widget), group_(widget) {}
    QGroupBox* group_;
};

// A line: painted inside a box around its two ends, wide enough for its pen. It never takes
// the mouse: what lies below it gets the events.
class LineWidget : public QWidget {
  public:
    using QWidget::QWidget;
    QPoint from, to;
    QColor color;
    int width = 1;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(color, width);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(from, to);
    }
};

class LinePeer : public ControlPeer {
  public:
    LinePeer(Line& line, QWidget* parent) : LinePeer(line, new LineWidget(parent)) {}
    bool lightweight() const override { return true; }

  protected:
    void applyGeometry() override {
        const Line& l = static_cast<const Line&>(*control_);
        QPoint a(toPixels(l.x1()), toPixels(l.y1())), b(toPixels(l.x2()), toPixels(l.y2()));
        const int pad = std::max(1, l.borderWidth());
        QRect box = QRect(a, b).normalized().adjusted(-pad, -pad, pad + 1, pad + 1);
        line_->from = a - box.topLeft();
        line_->to = b - box.topLeft();
        line_->width = std::max(1, l.borderWidth());
        line_->setGeometry(box);
        line_->update();
    }
    void applyColors() override {
        line_->color = toQColor(control_->foreColor());
        line_->update();
    }
    void applyAppearance() override { applyGeometry(); }

  private:
    LinePeer(Line& line, LineWidget* widget) : ControlPeer(line, widget), line_(widget) {
        line_->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    LineWidget* line_;
};

}  // namespace

ControlPeer* makePictureBoxPeer(PictureBox& box, QWidget* parent) {
    return new PictureBoxPeer(box, parent);
}
ControlPeer* makeFramePeer(Frame& frame, QWidget* parent) {
    return new FramePeer(frame, parent);
}
ControlPeer* makeLinePeer(Line& line, QWidget* parent) {
    return new LinePeer(line, parent);
}

}  // namespace rt::qt
