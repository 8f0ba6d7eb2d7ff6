// The label: a QLabel with plain text, drawn as the forms runtime draws its labels (text from the
// top, no margin, words wrapped unless the label sizes itself to one line).
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

class LabelPeer : public ControlPeer {
  public:
    LabelPeer(Label& label, QWidget* parent) : LabelPeer(label, new QLabel(parent)) {}
    bool lightweight() const override { return true; }
    void attached() override {
        autoSize();
        findBuddyLater();
    }

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
        findBuddyLater();
    }
    void applyAppearance() override {
        const Label& l = model();
        Qt::Alignment horizontal = l.alignment() == Alignment::Right    ? Qt::AlignRight
                                   : l.alignment() == Alignment::Center ? Qt::AlignHCenter
                                                                        : Qt::AlignLeft;
        label_->setAlignment(horizontal | Qt::AlignTop);
        // A label that sizes itself grows along its line unless it wraps; any other label wraps
        // its words inside its box.
        // Each of these lays the label out again even when nothing changes, and hundreds of
        // labels are made with the values they already have.
        const bool wrap = !l.autoSize() || l.wordWrap();
        if (label_->wordWrap() != wrap) label_->setWordWrap(wrap);
        const int frame = l.borderStyle() == BorderStyle::FixedSingle
                              ? QFrame::Panel | QFrame::Sunken
                              : QFrame::NoFrame;
        if (label_->frameStyle() != frame) label_->setFrameStyle(frame);
        setAutoFill(l.backStyle() == BackStyle::Opaque);
        autoSize();
        findBuddyLater();
    }

  private:
    LabelPeer(Label& label, QLabel* widget) : ControlPeer(label, widget), label_(widget) {
        label_->setTextFormat(Qt::PlainText);
        label_->setIndent(0);
        label_->setMargin(0);
        label_->setLineWidth(1);
    }
    const Label& model() const { return static_cast<const Label&>(*control_); }

    // QLabel hides the "&" and underlines the access key only while it has a buddy. The
    // controls after the label get their widgets after it, so the buddy is looked for once they
    // exist: once for any number of changes, and only where there is one to find (an access key
    // in the caption) or one to let go of. A window holds hundreds of labels without one.
    void findBuddyLater() {
        if (buddySearchQueued_ || !(label_->buddy() || wantsBuddy())) return;
        buddySearchQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                buddySearchQueued_ = false;
                findBuddy();
            },
            Qt::QueuedConnection);
    }
    bool wantsBuddy() const {
        return model().useMnemonic() && model().caption().find('&') != std::string::npos;
    }
    void findBuddy() {
        if (!control_) return;
        QWidget* buddy = nullptr;
        if (wantsBuddy()) {
            const auto& siblings = control_->parent()->children();
            auto it = std::find(siblings.begin(), siblings.end(), control_);
            for (; !buddy && it != siblings.end(); ++it) {
                ControlPeer* peer = *it == control_ ? nullptr : peerOf(**it);
                if (peer && peer->widget()->focusPolicy() != Qt::NoFocus) buddy = peer->widget();
            }
        }
        label_->setBuddy(buddy);
    }

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
    bool buddySearchQueued_ = false;
};

}  // namespace

ControlPeer* makeLabelPeer(Label& label, QWidget* parent) {
    return new LabelPeer(label, parent);
}

}  // namespace rt::qt
