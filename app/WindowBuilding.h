#pragma once
// Building a window's controls, and finding them again by name.
//
// Every control is built by one sequence: a new object of its class that belongs to the
// window, its constructor (the default one for a single control or a timer, the one with
// the member's index for a control-array member), its registration under its name, a
// look-up by name (and index) as the class the window's code sees it as, its list, then
// for each event the window handles on it, in order, a new look-up and the binding of the
// window's method. A window that has to do something between the registration and the
// list (the cover canvases get their picture first) calls the two halves itself:
// AddNewControl, then ApplyControlList.

#include "platform/Timer.h"
#include "platform/Window.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

// A control by name, or by the array's name and the member's index, as class C; nullptr
// when the window registered none or it is of another class.
template <class C> std::shared_ptr<C> ControlNamed(const Window& window, std::string_view name) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(window, name));
}
template <class C>
std::shared_ptr<C> ControlNamed(const Window& window, std::string_view name, int32_t index) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByNameIndex(window, name, index));
}

// One control event that window class W handles: the event's name ("Action", "Open") and
// the method it calls.
template <class W> struct Binding {
    const char* Event;
    void (W::*Handler)(Control& Me);
};
// W comes from the window argument alone, not from the bindings.
template <class W> using Bindings = std::type_identity_t<std::initializer_list<Binding<W>>>;

// A new single control (or timer) of class C: made, constructed and registered.
template <class C, class W> void AddNewControl(W& window, const std::string& name) {
    auto control = window.template New<C>();
    control->Constructor();
    window.AddControl(name, control);
}

// The control found by name as class Seen gets its list, then its handlers.
template <class Seen, class W>
void ApplyControlList(W& window, std::string_view name, std::string_view list,
                      Bindings<W> bindings = {}) {
    auto seen = ControlNamed<Seen>(window, name);
    if (!seen) return;
    ApplyPropertyList(*seen, list);
    for (const auto& b : bindings)
        if (auto again = RuntimeWindowControlByName(window, name))
            InstallInstanceEventHandler(*again, b.Event, MakeHandler(b.Handler));
}

// A single control of class C, seen by the window's code as Seen.
template <class C, class Seen = C, class W>
void BuildControl(W& window, const std::string& name, std::string_view list,
                  Bindings<W> bindings = {}) {
    AddNewControl<C>(window, name);
    ApplyControlList<Seen>(window, name, list, bindings);
}

// A timer of the window's wrapper class C, seen as a Timer.
template <class C, class W>
void BuildTimer(W& window, const std::string& name, std::string_view list,
                Bindings<W> bindings = {}) {
    static_assert(std::is_base_of_v<WindowTimer, C>, "a window's timer knows its window");
    BuildControl<C, Timer>(window, name, list, bindings);
}

// Member `index` of a control array: an object of the array's class C, built with its
// index and registered under the array's name, seen as the members' class Seen.
template <class C, class Seen, class W>
void BuildMember(W& window, const std::string& name, int32_t index, std::string_view list,
                 Bindings<W> bindings = {}) {
    auto control = window.template New<C>();
    control->Constructor(index);
    window.AddControl(name, control);
    auto seen = ControlNamed<Seen>(window, name, index);
    if (!seen) return;
    ApplyPropertyList(*seen, list);
    for (const auto& b : bindings)
        if (auto again = RuntimeWindowControlByNameIndex(window, name, index))
            InstallInstanceEventHandler(*again, b.Event, MakeHandler(b.Handler));
}
