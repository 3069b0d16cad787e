#include "platform/Window.h"
#include "platform/Accessibility.h"
#include "platform/Controls.h"
#include "platform/KeyboardFocus.h"
#include "platform/Menu.h"
#include "platform/MenuImpl.h"
#include "platform/PictureImpl.h"
#include "platform/PropertyList.h"
#include "platform/QtText.h"
#include "platform/Runtime.h"
#include "platform/Timer.h"
#include "platform/WindowActivation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <tuple>

namespace {

std::vector<std::shared_ptr<Window>>& openWindows() {
    static std::vector<std::shared_ptr<Window>> windows;
    return windows;
}

// The program's document window (the main window), other than `except`, or nullptr.
Window* documentWindow(const Window* except) {
    for (auto& w : openWindows())
        if (w.get() != except && w->Frame == 0 && w->topLevelWidget()) return w.get();
    return nullptr;
}

} // namespace

void ApplyPropertyList(Object& target, std::string_view list) {
    // The lists are constants of the program: a fault is a programming error, shown so that
    // it cannot go unnoticed, and the entries after it are not applied.
    if (auto error = SetProperties(target, list)) MsgBox(error->message);
}

// ---- Qt side -----------------------------------------------------------------------

// The widgets reach their window through a plain pointer that the window clears when it
// closes or dies: a widget waiting for deferred deletion may still receive events.
class ClientArea : public QWidget {
  public:
    ClientArea(Window& owner) : owner(&owner) { setFocusPolicy(Qt::ClickFocus); }
    Window* owner;
    bool dragging = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!owner || !owner->HasBackColor) return;
        QPainter p(this);
        p.fillRect(rect(), toQColor(owner->BackColor));
    }
    QSize sizeHint() const override {
        return owner ? QSize(owner->Width(), owner->Height()) : QWidget::sizeHint();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (!owner || e->button() != Qt::LeftButton) return;
        auto keep = owner->shared_from_this();
        QPoint pt = e->position().toPoint();
        dragging = false;
        RunHandler([&] { dragging = keep && owner && owner->Event_MouseDown(pt.x(), pt.y()); });
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!owner || !dragging) return;
        auto keep = owner->shared_from_this();
        QPoint pt = e->position().toPoint();
        RunHandler([&] { owner->Event_MouseDrag(pt.x(), pt.y()); });
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (!owner || !dragging || e->button() != Qt::LeftButton) return;
        dragging = false;
        auto keep = owner->shared_from_this();
        QPoint pt = e->position().toPoint();
        RunHandler([&] { owner->Event_MouseUp(pt.x(), pt.y()); });
    }
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
};

class TopLevel : public QMainWindow {
  public:
    TopLevel(Window& owner) : owner(&owner) {}
    Window* owner;

  protected:
    void closeEvent(QCloseEvent* e) override {
        e->accept();
        if (owner) {
            auto keep = owner->shared_from_this();
            RunHandler([&] { owner->Close(); });
        }
    }
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::ActivationChange && isActiveWindow() && owner && owner->IsOpen()) {
            auto keep = owner->shared_from_this();
            RunHandler([&] { owner->Event_Activate(); });
        }
        QMainWindow::changeEvent(e);
    }
};

struct Window::Impl {
    QPointer<TopLevel> top;
    QPointer<ClientArea> client;
    std::unique_ptr<MenuBarView> menuView;
    int left = 0, top_ = 0;
    bool positionSet = false;
};

void ClientArea::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool escape = e->key() == Qt::Key_Escape;
    if (owner && (enter || escape)) {
        // Return presses the window's default button, Escape its cancel button.
        auto keep = owner->shared_from_this();
        auto controls = owner->Controls();
        for (auto& c : controls)
            if (auto b = std::dynamic_pointer_cast<PushButton>(c);
                b && (enter ? b->Default : b->Cancel)) {
                if (b->Visible() && b->Enabled()) b->Push();
                return;
            }
    }
    QWidget::keyPressEvent(e);
}

void ClientArea::resizeEvent(QResizeEvent*) {
    if (owner && owner->Resizeable && owner->ready_) {
        owner->width_ = width();
        owner->height_ = height();
    }
}

// ---- Window ------------------------------------------------------------------------

Window::Window() : impl_(std::make_unique<Impl>()) {}

void Window::detachWidgets() {
    if (impl_->client) impl_->client->owner = nullptr;
    if (impl_->top) impl_->top->owner = nullptr;
}

Window::~Window() {
    detachWidgets();
    releaseControls();
    // Deferred: the window may die inside an event handler of one of its own widgets.
    if (impl_->top) {
        impl_->top->hide();
        impl_->top->deleteLater();
    }
}

QWidget* Window::topLevelWidget() const { return impl_->top; }
QWidget* Window::clientWidget() const { return impl_->client; }

void Window::Constructor() {
    if (built_) return;
    built_ = true;
    open_ = true;
    // Registered first, so that code run while the window is built finds this window
    // through its accessor instead of building a second one.
    openWindows().push_back(std::static_pointer_cast<Window>(shared_from_this()));

    AccessibilityPrepare();
    impl_->top = new TopLevel(*this);
    impl_->top->setAttribute(Qt::WA_DeleteOnClose, false);
    impl_->client = new ClientArea(*this);
    impl_->top->setCentralWidget(impl_->client);
    // What Return presses follows the keyboard focus.
    QObject::connect(qApp, &QApplication::focusChanged, impl_->top, [top = impl_->top.data()] {
        if (top->owner) top->owner->showReturnButton();
    });

    Layout();
    CreateControls();
    AddMenuHandlers(*this);

    for (auto& c : controls_)
        if (auto rc = std::dynamic_pointer_cast<RectControl>(c)) rc->realize(impl_->client);
    // A control inside another one shows above it.
    for (auto& c : controls_) {
        if (c->InitialParent.empty()) continue;
        auto rc = std::dynamic_pointer_cast<RectControl>(c);
        if (rc && rc->widget()) rc->widget()->raise();
    }
    AccessibilityWindowBuilt(*this);
    // The keyboard's order through the controls that take the focus.
    QWidget* previous = nullptr;
    for (RectControl* c : tabOrder()) {
        QWidget* w = c->widget();
        if (!w || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
    applyWindowSettings();
    // Placed now, so that a window closed before it was ever shown still reports where it
    // would have been.
    placeOnScreen();
    ready_ = true;

    // Open events: the controls' in creation order, then the window's. A handler may close
    // the window; stop then.
    auto keep = shared_from_this();
    auto controls = controls_;
    for (auto& c : controls) {
        if (!open_) return;
        c->RaiseEvent("Open");
    }
    if (open_) RunHandler([this] { Event_Open(); });
}

void Window::applyWindowSettings() {
    TopLevel* top = impl_->top;
    if (!top) return;
    // An empty title would make the window system name the window after the program;
    // a blank keeps an untitled window untitled.
    top->setWindowTitle(Title.empty() ? QStringLiteral(" ") : titleText(Title));
    // Dialogs are the window system's dialogs, so that it keeps them with their main window.
    Qt::WindowFlags flags = isDialog() ? Qt::Dialog : Frame == 3 ? Qt::Tool : Qt::Window;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (CloseButton) flags |= Qt::WindowCloseButtonHint;
    if (MinimizeButton) flags |= Qt::WindowMinimizeButtonHint;
    if (MaximizeButton && Resizeable) flags |= Qt::WindowMaximizeButtonHint;
    top->setWindowFlags(flags);
    top->setWindowModality(isDialog() ? Qt::ApplicationModal : Qt::NonModal);

    if (MenuBar) {
        impl_->menuView = std::make_unique<MenuBarView>(MenuBar);
        top->setMenuBar(impl_->menuView->build(top));
    }
    impl_->client->setAutoFillBackground(false);
    if (Resizeable) {
        impl_->client->setMinimumSize(std::max(MinWidth, 0), std::max(MinHeight, 0));
        impl_->client->setMaximumSize(std::max(MaxWidth, 1), std::max(MaxHeight, 1));
        impl_->client->resize(width_, height_);
        top->resize(top->sizeHint());
    } else {
        impl_->client->setFixedSize(width_, height_);
        top->adjustSize();
        top->setFixedSize(top->sizeHint());
    }
}

namespace {
// The screen that holds the window (its middle, or else where the window system put it).
QScreen* screenOf(const QWidget* w) {
    if (QScreen* s = QGuiApplication::screenAt(w->frameGeometry().center())) return s;
    return w->screen();
}

// The frame's thickness around a window's contents, once the window system has framed it.
QMargins frameOf(const QWidget* w) {
    const QRect frame = w->frameGeometry(), inner = w->geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

// Where a frame of that size whose top-left corner the program chose at `at` lies wholly in
// the area; a frame larger than the area keeps its top-left corner, and so its title bar, in it.
QPoint keptInside(QPoint at, QSize frame, const QRect& area) {
    const int x = std::max(std::min(at.x(), area.right() + 1 - frame.width()), area.left());
    const int y = std::max(std::min(at.y(), area.bottom() + 1 - frame.height()), area.top());
    return {x, y};
}
} // namespace

void Window::placeOnScreen() {
    TopLevel* top = impl_->top;
    if (!top || placed_) return;
    placed_ = true;
    if (impl_->positionSet) return; // applied once shown, when the frame is known
    // Placement 0 leaves a document or floating window to the window system; a dialog goes
    // over the main window it belongs to.
    if (Placement == 0 && !isDialog()) return;
    const QWidget* over = nullptr;
    if (Placement == 0) {
        if (Window* main = documentWindow(this)) over = main->topLevelWidget();
    } else if (Placement == 1 || Placement == 3) {
        over = QApplication::activeWindow();
    }
    QScreen* screen = over ? screenOf(over) : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = over ? over->frameGeometry() : screen->availableGeometry();
    const QSize size = top->sizeHint();
    // The window manager frames a window only once it is shown: until then the frame of the
    // window it goes over, framed by the same window manager, stands in for its own.
    QMargins frame = frameOf(top);
    if (frame.isNull() && over) frame = frameOf(over);
    const QSize framed = size.grownBy(frame);
    // Over a window that lies partly off the screen, the centre may be too: the window is
    // kept on the screen, where it can be answered.
    top->move(keptInside(area.center() - QPoint(size.width() / 2, size.height() / 2), framed,
                         screen->availableGeometry()));
}

void Window::Show() {
    if (!open_ || !impl_->top) return;
    const bool first = !shownOnce_;
    shownOnce_ = true;
    // Placed again where it is shown first: the window it goes over may have moved since it
    // was built.
    if (first) placed_ = false;
    placeOnScreen();
    if (first && Frame != 0) {
        // Dialogs and floating windows belong to the main window: its transient children
        // (the window manager keeps them over it and with it), not Qt children, so closing
        // the main window leaves them alone.
        if (Window* main = documentWindow(this)) {
            impl_->top->winId();
            main->topLevelWidget()->winId();
            impl_->top->windowHandle()->setTransientParent(main->topLevelWidget()->windowHandle());
        }
    }
    // The menu bar's shortcuts act from every window that a modal dialog does not block.
    if (first && (Frame == 0 || Frame == 3)) AddApplicationShortcuts(impl_->top);
    impl_->top->show();
    if (first && impl_->positionSet) moveClientTo(impl_->left, impl_->top_);
    impl_->top->raise();
    RequestActivation(impl_->top);
    // A document window's program decides where its keyboard goes.
    if (first && !focusSet_ && Frame != 0) focusFirstTextField();
}

std::vector<RectControl*> Window::tabOrder() const {
    // A control inside another counts its TabIndex from 0 among that one's children, which
    // come right after it.
    using Place = std::tuple<int32_t, bool, int32_t>;
    std::vector<std::pair<Place, RectControl*>> order;
    for (auto& c : controls_) {
        auto rc = dynamic_cast<RectControl*>(c.get());
        if (!rc) continue;
        auto parent = std::dynamic_pointer_cast<RectControl>(ControlByName(rc->InitialParent));
        order.emplace_back(parent ? Place{parent->TabIndex, true, rc->TabIndex}
                                  : Place{rc->TabIndex, false, 0},
                           rc);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<RectControl*> controls;
    for (auto& entry : order)
        controls.push_back(entry.second);
    return controls;
}

void Window::focusFirstTextField() {
    for (RectControl* c : tabOrder()) {
        auto field = dynamic_cast<EditField*>(c);
        QWidget* w = c->widget();
        if (!field || !w || field->ReadOnly || !c->Visible() || !c->Enabled()) continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto line = qobject_cast<QLineEdit*>(w)) line->selectAll();
        if (auto lines = qobject_cast<QPlainTextEdit*>(w)) lines->selectAll();
        return;
    }
}

void Window::SetFocus() {
    focusSet_ = true;
    if (!impl_->top) return;
    // A window that a modal dialog blocks keeps its place behind the dialog: raising it
    // would hide the one window that can be answered.
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == impl_->top) RequestActivation(impl_->top);
    // A user on the keyboard keeps their place on the button they pressed.
    if (impl_->client && !keyboardStaysOnPressedButton(impl_->top, impl_->client))
        impl_->client->setFocus();
}

void Window::showReturnButton() {
    QWidget* focus = impl_->top ? impl_->top->focusWidget() : nullptr;
    auto buttonOf = [](const std::shared_ptr<Control>& c) -> QPushButton* {
        auto b = dynamic_cast<PushButton*>(c.get());
        return b ? qobject_cast<QPushButton*>(b->widget()) : nullptr;
    };
    const bool onButton = focus && std::any_of(controls_.begin(), controls_.end(),
                                               [&](auto& c) { return buttonOf(c) == focus; });
    // Without a focused button, the first default button is the one Return presses.
    bool defaultFound = false;
    for (auto& c : controls_) {
        QPushButton* button = buttonOf(c);
        if (!button) continue;
        const bool isDefault = !defaultFound && static_cast<PushButton&>(*c).Default;
        defaultFound = defaultFound || isDefault;
        button->setDefault(onButton ? button == focus : isDefault);
    }
}

void Window::moveClientTo(int x, int y) {
    // Left and Top are the client area's; the window system moves the frame.
    QPoint offset = impl_->client->mapToGlobal(QPoint(0, 0)) - impl_->top->pos();
    impl_->top->move(QPoint(x, y) - offset);
}

void Window::Close() { close(true); }

void Window::close(bool raiseEvent) {
    if (!open_ || closing_) return;
    closing_ = true; // a Close handler that closes again does nothing
    auto keep = shared_from_this();
    if (raiseEvent) RunHandler([this] { Event_Close(); });
    open_ = false;
    auto& list = openWindows();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [this](const std::shared_ptr<Window>& w) { return w.get() == this; }),
               list.end());
    detachWidgets();
    if (impl_->top) impl_->top->hide();
    releaseControls();
    // With the last window gone nothing could reach the program any more: the event loop
    // ends, as after Quit. Checked once the current event is done, so that a handler that
    // closes a window and builds its successor at once keeps the program running.
    // A window that was built but never shown (an accessor's answer to code that only wanted
    // to read it) counts as gone too.
    auto noneShown = [] {
        return std::none_of(openWindows().begin(), openWindows().end(),
                            [](const std::shared_ptr<Window>& w) {
                                return w->topLevelWidget() && w->topLevelWidget()->isVisible();
                            });
    };
    // The check belongs to this run of the loop: a loop that ends first leaves it pending,
    // and it must not end the next one.
    if (noneShown() && RuntimeEventLoopRunning())
        QTimer::singleShot(0, [noneShown, loop = RuntimeEventLoopNumber()] {
            if (RuntimeEventLoopRunning() && RuntimeEventLoopNumber() == loop && noneShown())
                RuntimeQuit();
        });
}

void Window::releaseControls() {
    // The controls go with the window; a control whose handler is running stays alive
    // until the handler returns, but no longer belongs to a window.
    auto released = std::move(controls_);
    controls_.clear();
    for (auto& c : released) {
        if (auto t = std::dynamic_pointer_cast<Timer>(c)) t->setMode(0);
        c->setWindow(nullptr);
    }
    released.clear();
}

std::shared_ptr<Object> Window::New(std::string_view className) {
    auto object = RuntimeNewObject(className);
    if (auto c = std::dynamic_pointer_cast<Control>(object)) c->setWindow(this);
    return object;
}

void Window::AddControl(const std::string& name, const std::shared_ptr<Control>& control) {
    if (!control) return;
    control->Name = name;
    control->setWindow(this);
    controls_.push_back(control);
    if (auto child = std::dynamic_pointer_cast<PaneChild>(control))
        child->SetWindow(std::static_pointer_cast<Window>(shared_from_this()));
    // Controls added while the window is built become widgets at its end; later ones at once.
    if (ready_ && open_ && impl_->client)
        if (auto rc = std::dynamic_pointer_cast<RectControl>(control); rc && !rc->widget())
            rc->realize(impl_->client);
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const {
    for (auto& c : controls_)
        if (c->Name == name) return c;
    return nullptr;
}

std::shared_ptr<Control> Window::ControlByNameIndex(std::string_view name, int32_t index) const {
    for (auto& c : controls_)
        if (c->Name == name && c->Index == index) return c;
    return nullptr;
}

int Window::Left() const { return clientPosition().x(); }

int Window::Top() const { return clientPosition().y(); }

QPoint Window::clientPosition() const {
    if (impl_->top && impl_->top->isVisible() && impl_->client)
        return impl_->client->mapToGlobal(QPoint(0, 0));
    // Not shown: where it was told to go, else where its placement put it.
    if (impl_->positionSet || !placed_ || !impl_->top || !impl_->client)
        return QPoint(impl_->left, impl_->top_);
    return impl_->top->pos() + impl_->client->mapTo(impl_->top, QPoint(0, 0));
}

void Window::setLeft(int v) { setClientPosition(v, Top()); }
void Window::setTop(int v) { setClientPosition(Left(), v); }

void Window::setClientPosition(int x, int y) {
    impl_->left = x;
    impl_->top_ = y;
    impl_->positionSet = true;
    if (impl_->top && impl_->top->isVisible()) moveClientTo(x, y);
}

void Window::setWidth(int v) {
    width_ = v;
    if (!ready_) return;
    if (impl_->client)
        Resizeable ? impl_->client->resize(v, height_) : impl_->client->setFixedSize(v, height_);
}

void Window::setHeight(int v) {
    height_ = v;
    if (!ready_) return;
    if (impl_->client)
        Resizeable ? impl_->client->resize(width_, v) : impl_->client->setFixedSize(width_, v);
}

bool Window::SetProperty(std::string_view name, const PropertyValue& value) {
    int32_t i = 0;
    if (SameName(name, "Width") && AssignProperty(i, value)) return width_ = i, true;
    if (SameName(name, "Height") && AssignProperty(i, value)) return height_ = i, true;
    if (SameName(name, "Title")) return AssignProperty(Title, value);
    if (SameName(name, "Frame")) return AssignProperty(Frame, value);
    if (SameName(name, "Placement")) return AssignProperty(Placement, value);
    if (SameName(name, "CloseButton")) return AssignProperty(CloseButton, value);
    if (SameName(name, "Resizeable")) return AssignProperty(Resizeable, value);
    if (SameName(name, "MinimizeButton")) return AssignProperty(MinimizeButton, value);
    if (SameName(name, "MaximizeButton")) return AssignProperty(MaximizeButton, value);
    if (SameName(name, "HasBackColor")) return AssignProperty(HasBackColor, value);
    if (SameName(name, "BackColor")) return AssignProperty(BackColor, value);
    if (SameName(name, "Visible")) return AssignProperty(Visible, value);
    if (SameName(name, "MinWidth")) return AssignProperty(MinWidth, value);
    if (SameName(name, "MinHeight")) return AssignProperty(MinHeight, value);
    if (SameName(name, "MaxWidth")) return AssignProperty(MaxWidth, value);
    if (SameName(name, "MaxHeight")) return AssignProperty(MaxHeight, value);
    return Object::SetProperty(name, value);
}

// ---- Look-ups and binding -------------------------------------------------------------

std::shared_ptr<Window> GetImplicitWindow(std::string_view fullClassName) {
    for (auto& w : openWindows())
        if (w->FullClassName() == fullClassName) return w;
    return nullptr;
}

std::vector<std::shared_ptr<Window>> OpenWindows() { return openWindows(); }

void CloseAllWindows(bool raiseCloseEvents) {
    while (!openWindows().empty()) {
        auto w = openWindows().back();
        w->close(raiseCloseEvents);
        // Closed, or still closing from inside its own Close: either way not open now.
        auto& list = openWindows();
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
    }
}

void ReleaseAllWindowWidgets() {
    CloseAllWindows(/*raiseCloseEvents=*/false);
    if (!qApp) return;
    // The toolkit deletes no widget when it goes, and deleting one afterwards crashes. A
    // closed window keeps its hidden top-level widget (its released controls' widgets
    // inside) until the window dies, and a dead window's waits for a deferred deletion that
    // no event loop will run: delete them now; the QPointers to them then read null.
    // Guarded, as a window's pop-ups (its menus, a popup menu's list) are top-level widgets
    // too and go with it.
    std::vector<QPointer<QWidget>> tops;
    for (QWidget* w : QApplication::topLevelWidgets())
        tops.emplace_back(w);
    for (auto& w : tops)
        if (auto top = dynamic_cast<TopLevel*>(w.data())) delete top;
}

std::shared_ptr<Control> RuntimeWindowControlByName(const Window& window, std::string_view name) {
    return window.ControlByName(name);
}

std::shared_ptr<Control> RuntimeWindowControlByNameIndex(const Window& window,
                                                         std::string_view name, int32_t index) {
    return window.ControlByNameIndex(name, index);
}

void InstallInstanceEventHandler(Control& control, const std::string& event,
                                 Control::EventHandler handler) {
    control.InstallEventHandler(event, std::move(handler));
}
