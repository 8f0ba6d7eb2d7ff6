// The window of a form: a top-level widget with the form's menu bar above a client area that
// holds the controls' widgets. It is the form's peer: caption, icon, background, border, geometry
// and window state follow the form; the user's resizing, moving and closing go back to it.
#pragma once

#include <QPointer>
#include <QWidget>

#include "runtime/form.h"

class QEventLoop;
class QMenuBar;
class QWindow;

namespace rt::qt {

class FormWindow : public QWidget, public Peer {
    Q_OBJECT

  public:
    explicit FormWindow(Form& form);
    ~FormWindow() override;

    void changed(Property property) override;

    // The form, or nullptr once it was unloaded.
    Form* form() const { return form_; }
    QWidget* client() const { return client_; }
    QMenuBar* menuBar() const { return menuBar_; }

    // Shows the window; a modal window blocks every other window until it is hidden.
    void present(bool modal);
    // Hides the window without unloading anything.
    void conceal();
    // The form was unloaded or the program ends: the model's peer pointers are cleared, input
    // stops reaching it, the window goes away and is deleted once no handler runs on it.
    void release();
    // Keeps the window above all others, or not; never moves, sizes or activates it.
    void setTopMost(bool on);
    // The control whose widget is `widget` or holds it (nullptr: the form itself).
    Control* controlOf(QWidget* widget) const;

    // The loop of a modal show, left when the form is hidden or unloaded.
    QEventLoop* modalLoop = nullptr;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Qt::WindowFlags flagsFor() const;
    bool fixedSize() const;
    int barHeight(int width) const;
    void layoutBars();
    void barChanged();
    void applyGeometry();
    void applyState();
    void applyColors();
    void applyIcon();
    void centre();
    void reportFrame();
    void windowChanged();

    Form* form_;
    QMenuBar* menuBar_ = nullptr;
    QWidget* client_;
    QPointer<QWindow> routed_;  // the native window that the key router watches
    bool barShown_ = false;
    bool titled_ = true;  // fixed windows with no caption at their first showing have none
    bool topMost_ = false;
    bool presented_ = false;
    bool releasing_ = false;
    int applying_ = 0;  // >0 while the window follows the form: its events echo the form
};

}  // namespace rt::qt
