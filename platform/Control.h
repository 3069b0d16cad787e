#pragma once
// Controls: objects that belong to a window. A RectControl has a rectangle in its window's
// coordinates and becomes a real widget once its window places it.
//
// Control events ("Action", "Open") are bound per control by name; the handler receives the
// control that raised the event.

#include "platform/Object.h"

#include <climits>
#include <functional>
#include <map>
#include <string>

class Window;
class QWidget;

class Control : public Object {
  public:
    using EventHandler = std::function<void(Control& sender)>;

    ~Control() override;

    // A control outside any control array carries the most negative Integer.
    static constexpr int32_t NoIndex = INT32_MIN;
    int32_t Index = NoIndex;
    std::string Name;

    // The window the control belongs to, or nullptr. A window's non-visual children may
    // answer it otherwise.
    virtual ::Window* Window() const { return window_; }
    void setWindow(::Window* window) { window_ = window; }
    // The name of the control inside which this one lies, or empty.
    std::string InitialParent;

    // From now on the event of that name calls the handler (one handler per event).
    void InstallEventHandler(const std::string& event, EventHandler handler);
    bool HasEventHandler(const std::string& event) const;
    // Calls the handler bound to the event, if any; returns whether one ran.
    bool RaiseEvent(const std::string& event);

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

  private:
    ::Window* window_ = nullptr;
    std::map<std::string, EventHandler> handlers_;
};

class RectControl : public Control {
  public:
    RectControl();
    ~RectControl() override;

    // The framework's default construction of a visible control.
    virtual void Constructor() {}

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    // The control's place in the window's keyboard order (Tab): by TabIndex, controls of one
    // TabIndex in the order they were added.
    int32_t TabIndex = 0;
    // What assistive technology calls the control when no text beside it names it; nothing
    // on screen changes.
    std::string AccessibleName;
    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    virtual void setVisible(bool v);
    void setEnabled(bool v);

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

    // Makes the control's widget inside the given parent (the window's client area), or
    // moves it there. Called by the window that places the control.
    void realize(QWidget* parent);
    // The control's widget, or nullptr while it is not placed in a window.
    QWidget* widget() const;
    // Asks the widget to repaint (nothing while it is not placed).
    void requestRepaint();

  protected:
    // Builds the widget for the control; each kind of control provides its own.
    virtual QWidget* createWidget(QWidget* parent);
    // Called after the widget is made and whenever it should show the control's state again.
    virtual void syncWidget() {}
    void syncGeometry();

  private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    struct WidgetRef;
    std::unique_ptr<WidgetRef> widget_;
};
