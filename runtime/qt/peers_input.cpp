// The controls that take input of their own: command buttons, drop-down lists, option buttons
// and text boxes. What the user does goes into the control through the guard; what the program
// writes comes back here without raising the widget's signals, so nothing echoes.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "runtime/qt/convert.h"
#include "runtime/qt/peers.h"

namespace rt::qt {
namespace {

Qt::FocusPolicy tabFocus(bool tabStop) {
    return tabStop ? Qt::StrongFocus : Qt::ClickFocus;
}

// A command button; "&" in its caption marks its access key. Enter and Esc reach the default
// and cancel buttons through the window (see KeyRouter), as they would in a dialog.
class ButtonPeer : public ControlPeer {
  public:
    ButtonPeer(CommandButton& button, QWidget* parent)
        : ButtonPeer(button, new QPushButton(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Button, QPalette::ButtonText, false); }
    void applyCaption() override { button_->setText(toQString(model().caption())); }
    void applyAppearance() override { button_->setDefault(model().isDefault()); }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override { return tabFocus(tabStop); }
    bool interactive() const override { return true; }

  private:
    ButtonPeer(CommandButton& button, QPushButton* widget)
        : ControlPeer(button, widget), button_(widget) {
        button_->setAutoDefault(false);
        QObject::connect(button_, &QPushButton::clicked, this, [this] {
            call([c = control_] {
                if (c->onClick) c->onClick();
            });
        });
    }
    const CommandButton& model() const { return static_cast<const CommandButton&>(*control_); }
    QPushButton* button_;
};

class ComboBoxPeer : public ControlPeer {
  public:
    ComboBoxPeer(ComboBox& combo, QWidget* parent) : ComboBoxPeer(combo, new QComboBox(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Base, QPalette::Text, false); }
    void applyValue() override {
        const ComboBox& c = model();
        QSignalBlocker quiet(combo_);
        bool same = combo_->count() == c.listCount();
        for (int i = 0; same && i < c.listCount(); ++i)
            same = combo_->itemText(i) == toQString(c.items()[static_cast<std::size_t>(i)]);
        if (!same) {
            combo_->clear();
            for (const std::string& item : c.items()) combo_->addItem(toQString(item));
        }
        combo_->setCurrentIndex(c.listIndex());
    }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override { return tabFocus(tabStop); }
    bool interactive() const override { return true; }

  private:
    ComboBoxPeer(ComboBox& combo, QComboBox* widget) : ControlPeer(combo, widget), combo_(widget) {
        QObject::connect(combo_, &QComboBox::activated, this, [this](int index) {
            if (!control_ || index == model().listIndex()) return;
            auto* c = static_cast<ComboBox*>(control_);
            call([c, index] {
                c->setListIndex(index);
                if (c->onChange) c->onChange();
            });
        });
    }
    const ComboBox& model() const { return static_cast<const ComboBox&>(*control_); }
    QComboBox* combo_;
};

// An option button. Qt's own exclusivity is off: the control clears its siblings, and the
// widgets follow the controls.
class OptionPeer : public ControlPeer {
  public:
    OptionPeer(OptionButton& option, QWidget* parent)
        : OptionPeer(option, new QRadioButton(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
    void applyCaption() override { radio_->setText(toQString(model().caption())); }
    void applyValue() override { radio_->setChecked(model().value()); }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override { return tabFocus(tabStop); }
    bool interactive() const override { return true; }

  private:
    OptionPeer(OptionButton& option, QRadioButton* widget)
        : ControlPeer(option, widget), radio_(widget) {
        radio_->setAutoExclusive(false);
        QObject::connect(radio_, &QRadioButton::clicked, this, [this] {
            auto* o = static_cast<OptionButton*>(control_);
            if (call([o] { o->setValue(true); })) applyValue();
        });
    }
    const OptionButton& model() const { return static_cast<const OptionButton&>(*control_); }
    QRadioButton* radio_;
};

// A check box: the widget's own toggling is undone until the control has taken the new value,
// so the widget always shows what the control holds.
class CheckBoxPeer : public ControlPeer {
  public:
    CheckBoxPeer(CheckBox& box, QWidget* parent) : CheckBoxPeer(box, new QCheckBox(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Window, QPalette::WindowText, true); }
    void applyCaption() override { check_->setText(toQString(model().caption())); }
    void applyValue() override {
        QSignalBlocker quiet(check_);
        check_->setChecked(model().value());
    }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override { return tabFocus(tabStop); }
    bool interactive() const override { return true; }

  private:
    CheckBoxPeer(CheckBox& box, QCheckBox* widget) : ControlPeer(box, widget), check_(widget) {
        QObject::connect(check_, &QCheckBox::clicked, this, [this](bool ticked) {
            auto* c = static_cast<CheckBox*>(control_);
            if (call([c, ticked] { c->setValue(ticked); })) applyValue();
        });
    }
    const CheckBox& model() const { return static_cast<const CheckBox&>(*control_); }
    QCheckBox* check_;
};

class TextBoxPeer : public ControlPeer {
  public:
    TextBoxPeer(TextBox& text, QWidget* parent) : TextBoxPeer(text, new QLineEdit(parent)) {}

  protected:
    void applyColors() override { setColors(QPalette::Base, QPalette::Text, false); }
    void applyValue() override {
        QString text = toQString(model().text());
        if (edit_->text() != text) edit_->setText(text);
    }
    void applyAppearance() override {
        edit_->setMaxLength(model().maxLength() > 0 ? model().maxLength() : 32767);
        edit_->setReadOnly(model().locked());
    }
    Qt::FocusPolicy focusPolicy(bool tabStop) const override { return tabFocus(tabStop); }
    bool interactive() const override { return true; }

  private:
    TextBoxPeer(TextBox& text, QLineEdit* widget) : ControlPeer(text, widget), edit_(widget) {
        QObject::connect(edit_, &QLineEdit::textEdited, this, [this](const QString& typed) {
            auto* t = static_cast<TextBox*>(control_);
            call([t, s = fromQString(typed)] { t->setText(s); });
        });
    }
    const TextBox& model() const { return static_cast<const TextBox&>(*control_); }
    QLineEdit* edit_;
};

}  // namespace

ControlPeer* makeButtonPeer(CommandButton& button, QWidget* parent) {
    return new ButtonPeer(button, parent);
}
ControlPeer* makeComboBoxPeer(ComboBox& combo, QWidget* parent) {
    return new ComboBoxPeer(combo, parent);
}
ControlPeer* makeOptionPeer(OptionButton& option, QWidget* parent) {
    return new OptionPeer(option, parent);
}
ControlPeer* makeTextBoxPeer(TextBox& text, QWidget* parent) {
    return new TextBoxPeer(text, parent);
}
ControlPeer* makeCheckBoxPeer(CheckBox& box, QWidget* parent) {
    return new CheckBoxPeer(box, parent);
}

}  // namespace rt::qt
