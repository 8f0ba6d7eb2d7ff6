// Images, picture boxes, frames and lines.
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>

#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

// The border of a control with a single-line border: a thin sunken frame.
constexpr int kBorderFrame = QFrame::Panel | QFrame::Sunken;

// An image: its picture at its own size from the top left corner, or stretched over the box.
// Where the picture is transparent the container shows through.
class ImagePeer : public ControlPeer {
  public:
    ImagePeer(Image& image, QWidget* parent) : ImagePeer(image, new QLabel(parent)) {}
    bool lightweight() const override { return true; }

  protected:
    void applyPicture() override {
        QPixmap pixmap = toPixmap(model().picture());
        if (pixmap.isNull())
            label_->clear();
        else
            label_->setPixmap(pixmap);
    }
    void applyAppearance() override {
        label_->setScaledContents(model().stretch());
        label_->setFrameStyle(model().borderStyle() == BorderStyle::FixedSingle ? kBorderFrame
                                                                                : QFrame::NoFrame);
    }

  private:
    ImagePeer(Image& image, QLabel* widget) : ControlPeer(image, widget), label_(widget) {
        label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label_->setLineWidth(1);
    }
    const Image& model() const { return static_cast<const Image&>(*control_); }
    QLabel* label_;
};

// A picture box: a filled box with an optional sunken border and picture; its children live in
// an inner widget inside the border, which clips them there.
class BoxWidget : public QFrame {
  public:
    explicit BoxWidget(QWidget* parent) : QFrame(parent), host(new QWidget(this)) {
        setLineWidth(1);
    }
    QPixmap picture;
    QWidget* host;

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QFrame::resizeEvent(event);
        host->setGeometry(contentsRect());
    }
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        if (picture.isNull()) return;
        QPainter painter(this);
        painter.drawPixmap(contentsRect().topLeft(), picture);
    }
};

class PictureBoxPeer : public ControlPeer {
  public:
    PictureBoxPeer(PictureBox& box, QWidget* parent) : PictureBoxPeer(box, new BoxWidget(parent)) {}
    QWidget* childHost() override { return box_->host; }

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
    void applyPicture() override {
        box_->picture = toPixmap(model().picture());
        box_->update();
    }
    void applyAppearance() override {
        box_->setFrameStyle(model().borderStyle() == BorderStyle::FixedSingle ? kBorderFrame
                                                                              : QFrame::NoFrame);
        box_->host->setGeometry(box_->contentsRect());
    }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override {
        return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
    }

  private:
    PictureBoxPeer(PictureBox& box, BoxWidget* widget) : ControlPeer(box, widget), box_(widget) {
        watchAlso(box_->host);
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

ControlPeer* makeImagePeer(Image& image, QWidget* parent) {
    return new ImagePeer(image, parent);
}
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
