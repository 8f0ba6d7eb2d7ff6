// The widgets of the controls: one peer per control kind, made by createPeer.
#pragma once

#include "runtime/controls.h"
#include "runtime/qt/peer_control.h"

class QWidget;

namespace rt::qt {

// Creates the widget of `control` inside `parent` and the peer that keeps it in step with the
// control; every property is applied and the control points at the peer when it returns. The
// children of a container get theirs too, lightweight controls first so that they lie below
// the windowed ones. Returns nullptr for a control that has no widget (a timer).
ControlPeer* createPeerTree(Control& control, QWidget* parent);
// Creates the peers of every child of `container` (a form's, a box's) inside `host`.
void createChildPeers(Container& container, QWidget* host);

// The peer of one control kind, not yet attached to the control (createPeerTree's parts).
ControlPeer* makeLabelPeer(Label& label, QWidget* parent);
ControlPeer* makeImagePeer(Image& image, QWidget* parent);
ControlPeer* makePictureBoxPeer(PictureBox& box, QWidget* parent);
ControlPeer* makeFramePeer(Frame& frame, QWidget* parent);
ControlPeer* makeLinePeer(Line& line, QWidget* parent);
ControlPeer* makeButtonPeer(CommandButton& button, QWidget* parent);
ControlPeer* makeComboBoxPeer(ComboBox& combo, QWidget* parent);
ControlPeer* makeOptionPeer(OptionButton& option, QWidget* parent);
ControlPeer* makeTextBoxPeer(TextBox& text, QWidget* parent);
ControlPeer* makeCheckBoxPeer(CheckBox& box, QWidget* parent);

// The peer of a control, if it has one made here.
inline ControlPeer* peerOf(const Control& control) {
    return dynamic_cast<ControlPeer*>(control.peer());
}

}  // namespace rt::qt
