#pragma once
// The property lists of the two windows that carry the cover (the splash and About): the
// window's own list and the Name-first lists of their labels, buttons and canvas. Each
// function writes every entry of its kind of list in the format's order; the values that
// differ from control to control are its arguments, the rest are the same in every list of
// these two windows.

#include "platform/Color.h"
#include "platform/Control.h"
#include "platform/PropertyList.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace coverwindows {

inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kBlack{0, 0, 0};

struct WindowValues {
    int32_t Placement;
    int32_t Width;
    int32_t Height;
    std::string_view Title;
    bool CloseButton;
    bool Resizeable;
    bool MaximizeButton;
    bool MinimizeButton;
};

inline std::string WindowList(const WindowValues& v) {
    return PropertyListBuilder()
        .integer("Placement", v.Placement)
        .integer("Width", v.Width)
        .integer("Height", v.Height)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 2)
        .boolean("Composite", false)
        .boolean("HasBackColor", true)
        .colour("BackColor", kWhite)
        .text("Title", v.Title)
        .boolean("Visible", true)
        .boolean("FullScreen", false)
        .boolean("MenuBarVisible", true)
        .boolean("CloseButton", v.CloseButton)
        .boolean("Resizeable", v.Resizeable)
        .boolean("LiveResize", false)
        .boolean("MaximizeButton", v.MaximizeButton)
        .boolean("MinimizeButton", v.MinimizeButton)
        .integer("ProcID", 0)
        .text("BalloonHelp", "")
        .bytes();
}

// The position of a control in its window and in the tab order.
struct Place {
    std::string_view Name;
    int32_t Left;
    int32_t Top;
    int32_t Width;
    int32_t Height;
    int32_t TabIndex;
};

// The twelve entries that open every Name-first control list.
inline PropertyListBuilder NameFirstHead(const Place& p) {
    PropertyListBuilder b;
    b.text("Name", p.Name)
        .integer("Index", Control::NoIndex)
        .integer("Left", p.Left)
        .integer("Top", p.Top)
        .integer("Width", p.Width)
        .integer("Height", p.Height)
        .boolean("LockLeft", false)
        .boolean("LockTop", false)
        .boolean("LockRight", false)
        .boolean("LockBottom", false)
        .integer("TabPanelIndex", 0)
        .integer("TabIndex", p.TabIndex);
    return b;
}

inline std::string StaticTextList(const Place& p, std::string_view Text, bool Multiline,
                                  int32_t TextSize) {
    return NameFirstHead(p)
        .text("Text", Text)
        .integer("TextAlign", 0)
        .colour("TextColor", kBlack)
        .boolean("Multiline", Multiline)
        .boolean("Enabled", true)
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", TextSize)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("DataSource", "")
        .text("DataField", "")
        .text("InitialParent", "")
        .bytes();
}

inline std::string PushButtonList(const Place& p, std::string_view Caption, bool Default,
                                  int32_t TextSize) {
    return NameFirstHead(p)
        .text("Caption", Caption)
        .boolean("Default", Default)
        .boolean("Cancel", false)
        .boolean("Enabled", true)
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", TextSize)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("InitialParent", "")
        .bytes();
}

inline std::string CanvasList(const Place& p) {
    return NameFirstHead(p)
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .boolean("Enabled", true)
        .boolean("UseFocusRing", true)
        .boolean("AcceptFocus", false)
        .boolean("AcceptTabs", false)
        .boolean("EraseBackground", true)
        .text("InitialParent", "")
        .bytes();
}

// The texts that present the program. The page about it ships in the program's folder;
// the line under the title names it, and "Go there" opens it.
inline constexpr std::string_view kPageFileName = "tarnwick.html";
inline constexpr std::string_view kWebAddressLine = "Tarnwick page: tarnwick.html";
inline constexpr std::string_view kVersionLine = "Tarnwick version 1.1";
inline constexpr std::string_view kCredits =
    "Tarnwick, version 1.1.\r"
    "\r"
    "Tarnwick is a teaching program: students and teachers may run it and pass it on "
    "freely for learning, without charge. It comes as it is, without warranty of any "
    "kind.\r"
    "\r"
    "Please send comments, questions and reports of problems to your teacher or course "
    "instructor, who looks after the copy you use.";

inline constexpr std::string_view kTitle = "Tarnwick\rSoftware for Cadmoria";

// The splash window's lists, in the order in which its controls are built.
namespace splash {
inline const std::string Window = WindowList({.Placement = 0,
                                              .Width = 327,
                                              .Height = 371,
                                              .Title = "",
                                              .CloseButton = true,
                                              .Resizeable = true,
                                              .MaximizeButton = true,
                                              .MinimizeButton = true});
inline const std::string LabelTitle =
    StaticTextList({"LabelTitle", 33, 238, 296, 33, 0}, kTitle, true, 12);
inline const std::string StaticText2 =
    StaticTextList({"StaticText2", 75, 272, 240, 16, 1}, kWebAddressLine, false, 10);
inline const std::string StaticText1 =
    StaticTextList({"StaticText1", 48, 350, 237, 16, 2}, kVersionLine, false, 10);
inline const std::string CanvasCadmoriaCover =
    CanvasList({"CanvasCadmoriaCover", 133, 31, 150, 201, 3});
inline const std::string PushButtonProceed =
    PushButtonList({"PushButtonProceed", 127, 305, 69, 20, 4}, "Proceed", true, 12);
// One firing, 7 seconds after the splash is built.
inline const std::string Timer1 =
    PropertyListBuilder().integer("Mode", 1).integer("Period", 7000).bytes();
} // namespace splash

// The About window's lists, in the order in which its controls are built.
namespace about {
inline const std::string Window = WindowList({.Placement = 2,
                                              .Width = 441,
                                              .Height = 535,
                                              .Title = "About Tarnwick",
                                              .CloseButton = false,
                                              .Resizeable = false,
                                              .MaximizeButton = false,
                                              .MinimizeButton = false});
inline const std::string StaticTextAboutBlurb =
    StaticTextList({"StaticTextAboutBlurb", 32, 299, 386, 212, 0}, kCredits, true, 10);
inline const std::string LabelTitle =
    StaticTextList({"LabelTitle", 87, 217, 253, 33, 1}, kTitle, true, 12);
inline const std::string LabelWebAddress =
    StaticTextList({"LabelWebAddress", 115, 258, 180, 16, 2}, kWebAddressLine, false, 10);
inline const std::string PushButtonClose =
    PushButtonList({"PushButtonClose", 361, 491, 60, 20, 3}, "OK", false, 12);
inline const std::string CanvasCadmoriaCover =
    CanvasList({"CanvasCadmoriaCover", 190, 21, 150, 201, 4});
inline const std::string PushButtonGoThere =
    PushButtonList({"PushButtonGoThere", 295, 256, 58, 18, 5}, "Go there", false, 10);
} // namespace about

} // namespace coverwindows
