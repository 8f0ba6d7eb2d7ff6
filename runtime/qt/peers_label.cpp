// The label: a QLabel with plain text, drawn as the forms runtime draws its labels (text from the
// top, no margin, words wrapped unless the label sizes itself to one line).
#include <QFontMetrics>
#include <QLabel>

#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

class LabelPeer : public ControlPeer {
  public:
    LabelPeer(Label& label, QWidget* parent) : LabelPeer(label, new QLabel(parent)) {}
    bool lightweight() const override { return true; }
    void attached() override { autoSize(); }

  protected:
    void applyColors() override {
        setColors(QPalette::Window, QPalette::WindowText, model().backStyle() == BackStyle::Opaque);
    }
    void applyFont() override {
        ControlPeer::applyFont();
        autoSize();
    }
    void applyCaption() override {
        label_->setText(toQString(model().caption()));
        autoSize();
    }
    void applyAppearance() override {
        const Label& l = model();
        Qt::Alignment horizontal = l.alignment() == Alignment::Right    ? Qt::AlignRight
                                   : l.alignment() == Alignment::Center ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
        label_->setAlignment(horizontal | Qt::AlignTop);
        // A label that sizes itself grows along its line unless it wraps; any other label wraps
        // its words inside its box.
        label_->setWordWrap(!l.autoSize() || l.wordWrap());
        label_->setFrameStyle(l.borderStyle() == BorderStyle::FixedSingle
                                  ? QFrame::Panel | QFrame::Sunken
                                  : QFrame::NoFrame);
        label_->setAutoFillBackground(l.backStyle() == BackStyle::Opaque);
        autoSize();
    }

  private:
    LabelPeer(Label& label, QLabel* widget) : ControlPeer(label, widget), label_(widget) {
        label_->setTextFormat(Qt::PlainText);
        label_->setIndent(0);
        label_->setMargin(0);
        label_->setLineWidth(1);
    }
    const Label& model() const { return static_cast<const Label&>(*control_); }

    // Sizes an auto-sized label to its text and writes the size back into the control, so that
    // the program reads the size it sees.
    void autoSize() {
        if (!control_ || control_->peer() != this || !model().autoSize()) return;
        Label& l = static_cast<Label&>(*control_);
        const int frame = 2 * label_->frameWidth();
        QFontMetrics metrics(label_->font());
        const QString text = label_->text();
        if (l.wordWrap()) {
            int width = std::max(1, label_->width() - frame);
            QRect r = metrics.boundingRect(QRect(0, 0, width, 1 << 20),
                                           Qt::TextWordWrap | label_->alignment(), text);
            l.setHeight(toTwips(std::max(r.height(), metrics.height()) + frame));
            return;
        }
        QRect r = metrics.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft, text);
        l.setWidth(toTwips(r.width() + frame));
        l.setHeight(toTwips(std::max(r.height(), metrics.height()) + frame));
    }

    QLabel* label_;
};

}  // namespace

ControlPeer* makeLabelPeer(Label& label, QWidget* parent) {
    return new LabelPeer(label, parent);
}

}  // namespace rt::qt
