// Images: a picture at its own size from the top left corner, or stretched over the control.
//
// The dice of a roll are images that change their picture about thirty times a second, so a new
// picture costs as little as it can: the image alone is repainted, nothing is laid out again, and
// where the image stands on the plain fill of a picture box with nothing else below it, it paints
// that fill under its picture itself, so Qt paints nothing behind it.
#include <QPainter>

#include "runtime/qt/box_widget.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

class ImageWidget : public QFrame {
  public:
    using QFrame::QFrame;

    void setPicture(const QPixmap& picture) {
        if (picture.cacheKey() == picture_.cacheKey()) return;
        picture_ = picture;
        scaled_ = QPixmap();
        decideOpacity();
        update();
    }
    void setStretch(bool stretch) {
        if (stretch == stretch_) return;
        stretch_ = stretch;
        update();
    }
    // Where the picture is transparent the container shows through: the image paints its
    // container's fill itself when that fill is all there is below it.
    void decideOpacity() { setAttribute(Qt::WA_OpaquePaintEvent, backdrop().isValid()); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (testAttribute(Qt::WA_OpaquePaintEvent)) {
            const QColor fill = backdrop();
            if (!fill.isValid()) {
                // What lies below changed since the image last drew (a picture or a control
                // came under it): the container repaints the spot, and the image with it.
                setAttribute(Qt::WA_OpaquePaintEvent, false);
                parentWidget()->update(geometry());
                return;
            }
            painter.fillRect(rect(), fill);
        }
        if (frameStyle() != QFrame::NoFrame) drawFrame(&painter);
        if (picture_.isNull()) return;
        const QRect box = contentsRect();
        if (!stretch_) {
            painter.drawPixmap(box.topLeft(), picture_);
            return;
        }
        // Scaled smoothly, once for each picture and size.
        if (scaled_.size() != box.size())
            scaled_ = picture_.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(box.topLeft(), scaled_);
    }

  private:
    // The plain colour below the image: its container's fill, where the container is a picture
    // box with no picture and no visible control lies below the image. Invalid otherwise.
    QColor backdrop() const {
        QWidget* host = parentWidget();
        auto* box = host ? dynamic_cast<BoxWidget*>(host->parentWidget()) : nullptr;
        if (!box || box->host() != host) return {};
        const QRect area = geometry();
        for (QObject* o : host->children()) {
            if (o == this) break;
            auto* below = qobject_cast<QWidget*>(o);
            if (below && !below->isHidden() && below->geometry().intersects(area)) return {};
        }
        return box->plainFillUnder(area);
    }

    QPixmap picture_;
    QPixmap scaled_;
    bool stretch_ = false;
};

class ImagePeer : public ControlPeer {
  public:
    ImagePeer(Image& image, QWidget* parent) : ImagePeer(image, new ImageWidget(parent)) {}
    bool lightweight() const override { return true; }

  protected:
    void applyGeometry() override {
        ControlPeer::applyGeometry();
        image_->decideOpacity();
    }
    void applyPicture() override { image_->setPicture(toPixmap(model().picture())); }
    void applyAppearance() override {
        image_->setStretch(model().stretch());
        image_->setFrameStyle(model().borderStyle() == BorderStyle::FixedSingle ? kBorderFrame
                                                                                : QFrame::NoFrame);
    }

  private:
    ImagePeer(Image& image, ImageWidget* widget) : ControlPeer(image, widget), image_(widget) {
        image_->setLineWidth(1);
    }
    const Image& model() const { return static_cast<const Image&>(*control_); }
    ImageWidget* image_;
};

}  // namespace

ControlPeer* makeImagePeer(Image& image, QWidget* parent) {
    return new ImagePeer(image, parent);
}

}  // namespace rt::qt
