#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

ControlPeer* makePeer(Control& c, QWidget* parent) {
    switch (c.kind()) {
        case ControlKind::Label:
            return makeLabelPeer(static_cast<Label&>(c), parent);
        case ControlKind::Image:
            return makeImagePeer(static_cast<Image&>(c), parent);
        case ControlKind::CommandButton:
            return makeButtonPeer(static_cast<CommandButton&>(c), parent);
        case ControlKind::PictureBox:
            return makePictureBoxPeer(static_cast<PictureBox&>(c), parent);
        case ControlKind::Frame:
            return makeFramePeer(static_cast<Frame&>(c), parent);
        case ControlKind::Line:
            return makeLinePeer(static_cast<Line&>(c), parent);
        case ControlKind::ComboBox:
            return makeComboBoxPeer(static_cast<ComboBox&>(c), parent);
        case ControlKind::OptionButton:
            return makeOptionPeer(static_cast<OptionButton&>(c), parent);
        case ControlKind::TextBox:
            return makeTextBoxPeer(static_cast<TextBox&>(c), parent);
        case ControlKind::Timer:
            return nullptr;
        case ControlKind::CheckBox:
            return makeCheckBoxPeer(static_cast<CheckBox&>(c), parent);
    }
    return nullptr;
}

bool isLightweight(ControlKind kind) {
    return kind == ControlKind::Label || kind == ControlKind::Image || kind == ControlKind::Line;
}

Container* asContainer(Control& c) {
    if (c.kind() == ControlKind::PictureBox) return static_cast<PictureBox*>(&c);
    if (c.kind() == ControlKind::Frame) return static_cast<Frame*>(&c);
    return nullptr;
}

}  // namespace

ControlPeer* createPeerTree(Control& control, QWidget* parent) {
    ControlPeer* peer = makePeer(control, parent);
    if (!peer) return nullptr;
    peer->applyAll();
    control.setPeer(peer);
    peer->attached();
    if (Container* container = asContainer(control))
        createChildPeers(*container, peer->childHost());
    return peer;
}

void createChildPeers(Container& container, QWidget* host) {
    // Widgets made later lie above those made earlier: the windowless kinds go first.
    for (bool lightweightPass : {true, false})
        for (Control* child : container.children())
            if (isLightweight(child->kind()) == lightweightPass && !child->peer())
                createPeerTree(*child, host);
}

}  // namespace rt::qt
