#include "tests/qt/caption_room.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include "runtime/controls.h"
#include "runtime/qt/peers.h"

namespace caption_room {
namespace {

constexpr int kUnbounded = 1 << 20;

std::string nameOf(const rt::Control& c) {
    return c.index() < 0 ? c.name() : c.name() + "(" + std::to_string(c.index()) + ")";
}

std::string describe(const rt::Control& c, const QString& text, QSize needs, QSize has) {
    return nameOf(c) + ": \"" + text.toStdString() + "\" needs " + std::to_string(needs.width()) +
           " x " + std::to_string(needs.height()) + " px, has " + std::to_string(has.width()) +
           " x " + std::to_string(has.height());
}

bool exceeds(QSize needs, QSize has) {
    return needs.width() > has.width() || needs.height() > has.height();
}

// A label draws its plain text inside its frame, wrapped at words unless it sizes itself to one
// line; a word longer than the line still runs past the edge.
void measureLabel(const rt::Control& c, const QLabel& label, std::vector<Clipping>& out) {
    const QString text = label.text();
    if (text.isEmpty()) return;
    const QSize has = label.contentsRect().size();
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect bounds(0, 0, label.wordWrap() ? has.width() : kUnbounded, kUnbounded);
    const QSize needs = QFontMetrics(label.font()).boundingRect(bounds, flags, text).size();
    if (exceeds(needs, has)) out.push_back(describe(c, text, needs, has));
}

// A push button centres its caption in the room inside its bevel; what passes that room runs
// over the bevel and then off the button.
void measurePushButton(const rt::Control& c, const QPushButton& button,
                       std::vector<Clipping>& out) {
    const QString text = button.text();
    if (text.isEmpty()) return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = text;
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    const QSize has =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).size();
    const QSize needs = QFontMetrics(button.font()).size(Qt::TextShowMnemonic, text);
    if (exceeds(needs, has)) out.push_back(describe(c, text, needs, has));
}

// Option buttons and check boxes: the indicator, the gap and the caption side by side.
void measureIndicatorButton(const rt::Control& c, const QAbstractButton& button,
                            std::vector<Clipping>& out) {
    if (button.text().isEmpty()) return;
    const QSize needs = button.sizeHint();
    if (needs.width() > button.width())
        out.push_back(describe(c, button.text(), needs, button.size()));
}

void measureGroupBox(const rt::Control& c, const QGroupBox& box, std::vector<Clipping>& out) {
    if (box.title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(&box);
    option.text = box.title();
    option.textAlignment = box.alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label =
        box.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &box);
    if (label.left() < 0 || label.right() >= box.width())
        out.push_back(describe(c, box.title(), label.size(), box.size()));
}

void measureComboBox(const rt::Control& c, const QComboBox& combo, std::vector<Clipping>& out) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, &combo);
    const QFontMetrics metrics(combo.font());
    for (int i = 0; i < combo.count(); ++i) {
        const QString item = combo.itemText(i);
        const QSize needs(metrics.horizontalAdvance(item), metrics.height());
        if (needs.width() > field.width()) out.push_back(describe(c, item, needs, field.size()));
    }
}

void measure(const rt::Control& c, const QWidget& widget, std::vector<Clipping>& out) {
    if (auto* label = qobject_cast<const QLabel*>(&widget)) {
        measureLabel(c, *label, out);
    } else if (auto* push = qobject_cast<const QPushButton*>(&widget)) {
        measurePushButton(c, *push, out);
    } else if (auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        measureIndicatorButton(c, *button, out);
    } else if (auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        measureGroupBox(c, *box, out);
    } else if (auto* combo = qobject_cast<const QComboBox*>(&widget)) {
        measureComboBox(c, *combo, out);
    }
}

// A control that lies wholly outside its box (a holder parked out of sight) is never seen.
bool withinSight(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return !parent || widget.geometry().intersects(parent->rect());
}

void walk(rt::Container& container, std::vector<Clipping>& out) {
    for (rt::Control* c : container.children()) {
        rt::qt::ControlPeer* peer = rt::qt::peerOf(*c);
        if (!peer || !withinSight(*peer->widget())) continue;
        measure(*c, *peer->widget(), out);
        // What a hidden box holds is never seen while it is hidden.
        if (auto* inner = dynamic_cast<rt::Container*>(c); inner && c->visible()) walk(*inner, out);
    }
}

}  // namespace

std::vector<Clipping> clippedCaptions(rt::Form& form) {
    std::vector<Clipping> out;
    walk(form, out);
    return out;
}

}  // namespace caption_room
