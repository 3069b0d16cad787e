#pragma once
// Windows: top-level windows with a client area of Width x Height, built from their own
// property list and their controls' lists.
//
// Building (Constructor): the window registers as the open window of its class, then runs
// its construction hooks Layout, CreateControls and AddMenuHandlers; then its controls
// become widgets, each control's "Open" event runs (in creation order), and last the
// window's own Event_Open. Close runs Event_Close, unregisters the window and releases its
// controls; the next accessor call builds a fresh window.
//
// Frame: 0 a document window; 1 and 2 a modal dialog that blocks input to the other
// windows while the code that showed it goes on; 3 a floating window. Dialogs and floating
// windows belong to the main (document) window: the window system keeps them over it.
// Placement, applied when the window is built and again when it is first shown: 0 where
// the window system puts a document window, and a dialog centred over the main window (on
// the screen without one); 1 and 3 centred on the front window; 2 centred on the screen.
// A window so placed is then kept inside the available area of the screen that holds the
// window it goes over. A position that the program sets itself is left as it is.

#include "platform/Control.h"
#include "platform/Registry.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MenuBar;
class QPoint;
class QWidget;

class Window : public Object {
  public:
    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Builds the window (see above). The window must be owned by a std::shared_ptr.
    void Constructor();

    // Construction hooks.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(::Window&) {}

    // Window events.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_Activate() {}
    // Return true to receive the MouseDrag and MouseUp events of this press.
    virtual bool Event_MouseDown(int, int) { return false; }
    virtual void Event_MouseDrag(int, int) {}
    virtual void Event_MouseUp(int, int) {}

    // Shows the window in front of the others.
    void Show();
    // Raises Close, then the window is gone: no longer the open window of its class, its
    // controls released. Closing twice does nothing. When no shown window is left open while
    // the event loop runs, the loop ends.
    void Close();
    // Gives the window the keyboard focus (its own, not a control's); from the action of a
    // push button pressed by the keyboard, the keyboard stays on that button. A dialog or
    // floating window whose program has not called it gets, when first shown, the focus in
    // its first text field in tab order that takes typing, the field's text selected, so
    // that typing replaces it.
    void SetFocus();
    bool IsOpen() const { return open_; }

    // The full class name under which the window is the open instance of its class.
    const std::string& FullClassName() const { return fullClassName_; }
    void setFullClassName(std::string name) { fullClassName_ = std::move(name); }

    // Controls: a new object of a class that belongs to this window.
    template <class C> std::shared_ptr<C> New() {
        auto c = std::make_shared<C>();
        c->setWindow(this);
        return c;
    }
    std::shared_ptr<Object> New(std::string_view className);
    // Registers the control under the name; the members of a control array share a name
    // and differ by Control::Index.
    void AddControl(const std::string& name, const std::shared_ptr<Control>& control);
    std::shared_ptr<Control> ControlByName(std::string_view name) const;
    std::shared_ptr<Control> ControlByNameIndex(std::string_view name, int32_t index) const;
    const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

    // Client-area position on the screen and size.
    int Left() const;
    int Top() const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);

    std::string Title;
    int Frame = 0;
    int Placement = 0;
    bool CloseButton = true;
    bool Resizeable = true;
    bool MinimizeButton = true;
    bool MaximizeButton = true;
    bool HasBackColor = false;
    Color BackColor{255, 255, 255};
    bool Visible = true;
    int MinWidth = 64, MinHeight = 64, MaxWidth = 32000, MaxHeight = 32000;
    std::shared_ptr<::MenuBar> MenuBar;

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

    // The window's top-level widget and client area (platform use).
    QWidget* topLevelWidget() const;
    QWidget* clientWidget() const;
    // Draws as the default button the one push button that Return would press now: the one
    // with the keyboard focus, else the window's default button (platform use).
    void showReturnButton();

    struct Impl;

  private:
    friend class ClientArea;
    friend void CloseAllWindows(bool);
    void applyWindowSettings();
    void detachWidgets();
    void releaseControls();
    void moveClientTo(int x, int y);
    void setClientPosition(int x, int y);
    void close(bool raiseEvent);
    void placeOnScreen();
    bool isDialog() const { return Frame == 1 || Frame == 2; } // modal, frames 1 and 2
    std::vector<RectControl*> tabOrder() const;
    void focusFirstTextField();
    QPoint clientPosition() const;

    std::string fullClassName_;
    std::vector<std::shared_ptr<Control>> controls_;
    int width_ = 300;
    int height_ = 200;
    bool open_ = false;
    bool closing_ = false;
    bool built_ = false;
    bool ready_ = false; // construction finished: controls are widgets
    bool placed_ = false;
    bool shownOnce_ = false;
    bool focusSet_ = false; // the program has set the focus itself
    std::unique_ptr<Impl> impl_;
};

// The open window of the class with that full name, or nullptr.
std::shared_ptr<Window> GetImplicitWindow(std::string_view fullClassName);
// Every open window, in the order in which they were built.
std::vector<std::shared_ptr<Window>> OpenWindows();
// Closes every open window; at shutdown without raising their Close events.
void CloseAllWindows(bool raiseCloseEvents = false);
// At shutdown, before the toolkit goes: closes every open window without its Close event and
// frees the widgets of every window, closed ones still referenced included. The Window and
// Control objects may outlive the toolkit; they touch no widget from then on.
void ReleaseAllWindowWidgets();

std::shared_ptr<Control> RuntimeWindowControlByName(const Window& window, std::string_view name);
std::shared_ptr<Control> RuntimeWindowControlByNameIndex(const Window& window,
                                                         std::string_view name, int32_t index);
// From now on the event of that name on this one control calls the handler.
void InstallInstanceEventHandler(Control& control, const std::string& event,
                                 Control::EventHandler handler);

// A handler on a window method: it runs with the control's window (Control::Window) as
// its object, kept alive for the call, and receives the control that raised the event.
template <class W> Control::EventHandler MakeHandler(void (W::*method)(Control& Me)) {
    return [method](Control& me) {
        ::Window* w = me.Window();
        if (!w) return;
        auto self = std::dynamic_pointer_cast<W>(w->shared_from_this());
        if (self) ((*self).*method)(me);
    };
}

// The shared instance of a window class: the open window of the class, or a newly built
// one when none is open. Never shows the window.
template <class W> std::shared_ptr<W> ImplicitInstance(const std::string& fullClassName) {
    if (auto open = GetImplicitWindow(fullClassName)) return std::dynamic_pointer_cast<W>(open);
    if (!RuntimeClassRegistered(fullClassName)) RuntimeRegisterClass<W>(fullClassName);
    auto window = std::dynamic_pointer_cast<W>(RuntimeNewObject(fullClassName));
    if (!window) return nullptr;
    window->setFullClassName(fullClassName);
    window->Constructor();
    return window;
}

// The class of a control array: derived from the members' class, built with the member's
// index. Its default constructor builds a member 0 on its own from the first member's list
// (the window builds every member with the index constructor).
template <class Base> class ControlArray : public Base {
  public:
    // Sets the index, then runs the base's default construction.
    void Constructor(int32_t index) {
        this->Index = index;
        Base::Constructor();
    }
    // The replaced default constructor.
    void Constructor() override;

  protected:
    // The array's name, the first-created member's list, and the binding of that member's
    // handlers on the given window; each array class provides them.
    virtual std::string ArrayName() const = 0;
    virtual std::string_view FirstMemberList() const = 0;
    virtual void BindFirstMemberHandlers(::Window&) {}
};

// Applies a property list (see PropertyList.h); declared here for the array constructor.
struct PropertyListError;
void ApplyPropertyList(Object& target, std::string_view list);

template <class Base> void ControlArray<Base>::Constructor() {
    ApplyPropertyList(*this, FirstMemberList());
    ::Window* w = this->Window();
    if (w) BindFirstMemberHandlers(*w);
    this->Index = 0;
    if (w) w->AddControl(ArrayName(), std::static_pointer_cast<Control>(this->shared_from_this()));
    Base::Constructor();
}
