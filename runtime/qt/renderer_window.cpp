#include "runtime/qt/renderer_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

#include "runtime/app.h"
#include "runtime/qt/convert.h"
#include "runtime/qt/menu_bar.h"
#include "runtime/qt/peers.h"
#include "runtime/qt/renderer_keys.h"
#include "runtime/qt/renderer_menu.h"
#include "runtime/qt/renderer_scope.h"

namespace rt::qt {
namespace {

WindowState stateOf(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return WindowState::Minimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

void detachControls(Container& container) {
    for (Control* c : container.children()) {
        if (ControlPeer* peer = peerOf(*c)) peer->detach();
        c->setPeer(nullptr);
        if (c->kind() == ControlKind::PictureBox) detachControls(*static_cast<PictureBox*>(c));
        if (c->kind() == ControlKind::Frame) detachControls(*static_cast<Frame*>(c));
    }
}

}  // namespace

FormWindow::FormWindow(Form& form) : form_(&form), client_(new QWidget(this)) {
    // The forms runtime shows no title bar on a fixed window without caption (a splash screen).
    titled_ = form.borderStyle() == FormBorder::Sizable || form.borderStyle() == FormBorder::None ||
              !form.caption().empty();
    setWindowFlags(flagsFor());
    client_->setMouseTracking(true);
    client_->setAttribute(Qt::WA_NoMousePropagation);
    client_->installEventFilter(this);
    if (!form.menus().empty()) {
        menuBar_ = new MenuBar(this);
        buildMenuBar(form, menuBar_, this, [this] { barChanged(); });
        barShown_ = hasVisibleMenus(form);
        menuBar_->setVisible(barShown_);
    }
    setWindowTitle(toQString(form.caption()));
    applyIcon();
    applyColors();
    createChildPeers(form, client_);
    form.setPeer(this);
}

FormWindow::~FormWindow() {
    // A window deleted with its form still loaded (the display goes first) lets go of it too.
    if (form_) {
        detachControls(*form_);
        detachMenus(*form_);
        form_->setPeer(nullptr);
    }
}

void FormWindow::changed(Property property) {
    if (!form_) return;
    switch (property) {
        case Property::Caption:
            setWindowTitle(toQString(form_->caption()));
            break;
        case Property::Icon:
            applyIcon();
            break;
        case Property::BackColor:
            applyColors();
            break;
        case Property::Appearance: {
            Qt::WindowFlags flags = flagsFor();
            if (flags != windowFlags()) {
                // New flags recreate the native window, which hides it.
                const bool shown = isVisible();
                ++applying_;
                setWindowFlags(flags);
                if (shown) show();
                --applying_;
            }
            applyGeometry();
            break;
        }
        case Property::Geometry:
            applyGeometry();
            break;
        case Property::WindowState:
            applyState();
            break;
        default:
            break;
    }
}

Qt::WindowFlags FormWindow::flagsFor() const {
    Qt::WindowFlags flags;
    switch (form_->borderStyle()) {
        case FormBorder::None:
            flags = Qt::Window | Qt::FramelessWindowHint;
            break;
        case FormBorder::Sizable:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                    Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                    Qt::WindowCloseButtonHint;
            break;
        case FormBorder::FixedSingle:
        case FormBorder::FixedDialog:
        case FormBorder::FixedToolWindow:
            flags = form_->borderStyle() == FormBorder::FixedDialog       ? Qt::Dialog
                    : form_->borderStyle() == FormBorder::FixedToolWindow ? Qt::Tool
                                                                          : Qt::Window;
            flags |= Qt::CustomizeWindowHint;
            if (titled_)
                flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            break;
    }
    if (topMost_) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

bool FormWindow::fixedSize() const {
    return form_->borderStyle() != FormBorder::Sizable;
}

int FormWindow::barHeight(int width) const {
    if (!menuBar_ || !barShown_) return 0;
    const int h = menuBar_->heightForWidth(width);
    return h > 0 ? h : menuBar_->sizeHint().height();
}

void FormWindow::layoutBars() {
    const int bar = barHeight(width());
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), bar);
    client_->setGeometry(0, bar, width(), std::max(0, height() - bar));
}

void FormWindow::barChanged() {
    const bool shown = form_ && hasVisibleMenus(*form_);
    if (!menuBar_ || shown == barShown_) return;
    barShown_ = shown;
    menuBar_->setVisible(shown);
    layoutBars();
    if (!presented_) return;
    // The bar belongs to the frame: the client area keeps its size and the window follows.
    reportFrame();
    applyGeometry();
}

void FormWindow::applyGeometry() {
    if (!form_ || form_->windowState() != WindowState::Normal) return;
    ++applying_;
    const int width = std::max(1, toPixels(form_->scaleWidth()));
    const QSize size(width, std::max(1, toPixels(form_->scaleHeight()) + barHeight(width)));
    if (fixedSize()) {
        setFixedSize(size);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    }
    move(toPixels(form_->left()), toPixels(form_->top()));
    --applying_;
}

void FormWindow::applyState() {
    Qt::WindowStates states =
        windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (form_->windowState() == WindowState::Maximized) states |= Qt::WindowMaximized;
    if (form_->windowState() == WindowState::Minimized) states |= Qt::WindowMinimized;
    ++applying_;
    setWindowState(states);
    --applying_;
}

void FormWindow::applyColors() {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(form_->backColor()));
    client_->setPalette(p);
    client_->setAutoFillBackground(true);
}

void FormWindow::applyIcon() {
    QPixmap icon = toPixmap(form_->icon());
    setWindowIcon(icon.isNull() ? QIcon() : QIcon(icon));
}

void FormWindow::centre() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    form_->userMoved((toTwips(screen.width()) - form_->width()) / 2,
                     (toTwips(screen.height()) - form_->height()) / 2);
}

void FormWindow::present(bool modal) {
    if (!form_) return;
    if (!presented_) {
        if (form_->centreOnShow()) centre();
        applyGeometry();
    }
    const Qt::WindowModality modality = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != modality) {
        // Qt takes a new modality only while the window is hidden.
        if (isVisible()) hide();
        setWindowModality(modality);
    }
    if (modal) {
        QWidget* owner = QApplication::activeWindow();
        winId();
        if (owner && owner != this && owner->windowHandle())
            windowHandle()->setTransientParent(owner->windowHandle());
    }
    const bool wasShown = isVisible();
    applyState();
    show();
    presented_ = true;
    if (windowHandle() && windowHandle() != routed_) {
        routed_ = windowHandle();
        routed_->installEventFilter(new KeyRouter(*this));
    }
    // A window that was already shown comes to the front again; a new one is there already.
    if (wasShown) raise();
    activateWindow();
    reportFrame();
}

void FormWindow::conceal() {
    hide();
    if (modalLoop) modalLoop->quit();
}

void FormWindow::release() {
    if (!form_) return;
    detachControls(*form_);
    detachMenus(*form_);
    form_->setPeer(nullptr);
    form_->setActiveControl(nullptr);
    form_ = nullptr;
    if (modalLoop) modalLoop->quit();
    releasing_ = true;
    hide();
    disposeLater(this);
}

void FormWindow::setTopMost(bool on) {
    topMost_ = on;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (flags == windowFlags()) return;
    if (QWindow* native = windowHandle()) {
        // Telling the native window directly changes its stacking without recreating it, so
        // it is neither hidden, moved, sized nor activated.
        overrideWindowFlags(flags);
        native->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

Control* FormWindow::controlOf(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget())
        if (auto* peer = w->findChild<ControlPeer*>(QString(), Qt::FindDirectChildrenOnly))
            return peer->control();
    return nullptr;
}

void FormWindow::reportFrame() {
    if (!form_ || !isVisible()) return;
    const QRect outer = frameGeometry(), inner = geometry();
    // The menu bar is part of the frame: the client area is what lies below it.
    form_->setFrameSize(toTwips(outer.width() - inner.width()),
                        toTwips(outer.height() - inner.height() + client_->y()));
}

void FormWindow::windowChanged() {
    if (!form_ || applying_ || releasing_ || !isVisible()) return;
    HandlerScope scope;
    reportFrame();
    const QRect outer = frameGeometry();
    const WindowState state = stateOf(windowState());
    Form* f = form_;
    // Events that only repeat the form's own values (its writes being carried out) are no news.
    if (state == f->windowState() && outer.width() == toPixels(f->width()) &&
        outer.height() == toPixels(f->height())) {
        if (outer.x() != toPixels(f->left()) || outer.y() != toPixels(f->top()))
            f->userMoved(toTwips(outer.x()), toTwips(outer.y()));
        return;
    }
    guard([f, outer, state] {
        f->userResized(toTwips(outer.x()), toTwips(outer.y()), toTwips(outer.width()),
                       toTwips(outer.height()), state);
    });
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutBars();
    windowChanged();
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    windowChanged();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) windowChanged();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (releasing_ || !form_) {
        event->accept();
        return;
    }
    // The form decides: its Form_Unload may cancel. If it unloads, the window goes with it.
    event->ignore();
    HandlerScope scope;
    Form* f = form_;
    guard([f] { f->unload(); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != client_) return false;
    switch (event->type()) {
        case QEvent::MouseMove: {
            if (!form_) return true;
            HandlerScope scope;
            auto* m = static_cast<QMouseEvent*>(event);
            Form* f = form_;
            const int buttons = buttonsOf(m->buttons()), shift = shiftOf(m->modifiers());
            const float x = static_cast<float>(m->position().x() * kTwipsPerPixel);
            const float y = static_cast<float>(m->position().y() * kTwipsPerPixel);
            guard([=] { f->Form_MouseMove(buttons, shift, x, y); });
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
    }
}

}  // namespace rt::qt
