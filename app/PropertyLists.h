#pragma once
// Writing the property lists of the program's windows, controls and timers.
//
// Each function writes every entry of one kind of list, in that kind's order; its
// arguments are the values that differ from list to list, and it writes the values that
// every list of its kind holds itself. A window's file then states only its own values:
//
//   NameLast::PushButtonList(
//       {.Name = "PushButtonOkay", .Left = 158, .Top = 97, .Width = 69, .Height = 20,
//        .TabIndex = 1},
//       {.Caption = "Okay", .Default = true});
//
// Control lists stand in one of two layouts, one per window: Name-first (the main window,
// the splash and About) and Name-last (the four dialogs).

#include "platform/Color.h"
#include "platform/Control.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace PropertyLists {

inline constexpr Color White{255, 255, 255};
inline constexpr Color Black{0, 0, 0};

// A window's own list: the same 22 entries in every window, in this order. The defaults
// are the values that every window of the program holds; a window states the rest.
struct WindowValues {
    int32_t Placement = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t MinWidth = 64;
    int32_t MinHeight = 64;
    int32_t MaxWidth = 32000;
    int32_t MaxHeight = 32000;
    int32_t Frame = 0;
    bool Composite = false;
    bool HasBackColor = false;
    Color BackColor = White;
    std::string_view Title = "";
    bool Visible = true;
    bool FullScreen = false;
    bool MenuBarVisible = true;
    bool CloseButton = true;
    bool Resizeable = true;
    bool LiveResize = false;
    bool MaximizeButton = true;
    bool MinimizeButton = true;
    int32_t ProcID = 0;
    std::string_view BalloonHelp = "";
};
std::string WindowList(const WindowValues& v);

// A timer's list holds only these two.
struct TimerValues {
    int32_t Mode = 0;
    int32_t Period = 0; // milliseconds
};
std::string TimerList(const TimerValues& v);

// What every control list carries and that differs from control to control.
struct ControlValues {
    std::string_view Name = ""; // for an array member, the array's name
    int32_t Index = Control::NoIndex;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
    int32_t TabIndex = 0;
    bool Visible = true;
    std::string_view InitialParent = ""; // the control this one lies inside, if any
};

// The values of each class that differ between its lists. The Name-first layout spells
// the entry of MultiLine "Multiline"; both set the same property.
struct StaticTextValues {
    std::string_view Text = "";
    int32_t TextAlign = 0;
    bool MultiLine = false;
    int32_t TextSize = 12;
};
struct PushButtonValues {
    std::string_view Caption = "";
    bool Default = false;
    int32_t TextSize = 12;
};
struct EditFieldValues {
    std::string_view Text = "";
    bool Border = false;
    bool MultiLine = false;
    bool UseFocusRing = false;
    int32_t TextSize = 12;
};

// Name-first lists: Name, Index, the rectangle, the four locks, TabPanelIndex and
// TabIndex, then the entries of the control's class.
namespace NameFirst {

std::string StaticTextList(const ControlValues& c, const StaticTextValues& v);
std::string PushButtonList(const ControlValues& c, const PushButtonValues& v);
std::string CanvasList(const ControlValues& c);
std::string EditFieldList(const ControlValues& c, const EditFieldValues& v);
// The surface draws over exactly its own rectangle.
std::string SpriteSurfaceList(const ControlValues& c);

} // namespace NameFirst

// Name-last lists: TabIndex, the entries of the control's class, then the same 17 entries,
// ending with Index and Name.
namespace NameLast {

struct RadioButtonValues {
    std::string_view Caption = "";
    bool Value = false;
    int32_t TextSize = 12;
};
struct PopupMenuValues {
    std::string_view InitialValue = ""; // the rows, joined by CR
    int32_t TextSize = 12;
};

std::string StaticTextList(const ControlValues& c, const StaticTextValues& v);
std::string PushButtonList(const ControlValues& c, const PushButtonValues& v);
std::string EditFieldList(const ControlValues& c, const EditFieldValues& v);
std::string RadioButtonList(const ControlValues& c, const RadioButtonValues& v);
std::string PopupMenuList(const ControlValues& c, const PopupMenuValues& v);
std::string RectangleList(const ControlValues& c);

} // namespace NameLast

} // namespace PropertyLists
