// The property lists of the main window and of its 31 controls. Controls use the
// Name-first layout: Name, Index, the rectangle, the four locks, TabPanelIndex and TabIndex,
// then the entries of the control's class. The values that every list of a kind sets alike
// are written once, in the kind's function; the rows below give what differs, in the order
// in which the window builds its controls. A control's TabIndex is its place in that order
// counted from 0 (the timer, eighth, has none).

#include "pond_window/WindowMain.h"

#include "platform/Color.h"
#include "platform/PropertyList.h"

#include <array>

namespace {

constexpr int32_t none = Control::NoIndex;

// The twelve entries that open every Name-first control list.
PropertyListBuilder head(std::string_view name, int32_t index, int32_t left, int32_t top,
                         int32_t width, int32_t height, int32_t tabIndex) {
    PropertyListBuilder b;
    b.text("Name", name)
        .integer("Index", index)
        .integer("Left", left)
        .integer("Top", top)
        .integer("Width", width)
        .integer("Height", height)
        .boolean("LockLeft", false)
        .boolean("LockTop", false)
        .boolean("LockRight", false)
        .boolean("LockBottom", false)
        .integer("TabPanelIndex", 0)
        .integer("TabIndex", tabIndex);
    return b;
}

std::string staticText(std::string_view name, int32_t index, int32_t left, int32_t top,
                       int32_t width, int32_t height, int32_t tabIndex, std::string_view text,
                       int32_t textAlign = 0) {
    return head(name, index, left, top, width, height, tabIndex)
        .text("Text", text)
        .integer("TextAlign", textAlign)
        .colour("TextColor", RGB(0, 0, 0))
        .boolean("Multiline", false)
        .boolean("Enabled", true)
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", 12)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("DataSource", "")
        .text("DataField", "")
        .text("InitialParent", "")
        .bytes();
}

std::string pushButton(std::string_view name, int32_t index, int32_t left, int32_t top,
                       int32_t width, int32_t height, int32_t tabIndex, std::string_view caption,
                       bool visible) {
    return head(name, index, left, top, width, height, tabIndex)
        .text("Caption", caption)
        .boolean("Default", false)
        .boolean("Cancel", false)
        .boolean("Enabled", true)
        .boolean("Visible", visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", 12)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("InitialParent", "")
        .bytes();
}

std::string canvas(std::string_view name, int32_t left, int32_t top, int32_t width, int32_t height,
                   int32_t tabIndex) {
    return head(name, none, left, top, width, height, tabIndex)
        .boolean("Visible", false)
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

std::string editField(int32_t index, int32_t left, int32_t top, int32_t tabIndex) {
    return head("EditFieldPoolLabel", index, left, top, 117, 16, tabIndex)
        .boolean("Border", false)
        .boolean("Multiline", false)
        .boolean("ScrollbarHorizontal", false)
        .boolean("ScrollbarVertical", false)
        .boolean("Styled", false)
        .boolean("Password", false)
        .boolean("UseFocusRing", false)
        .colour("TextColor", RGB(0, 0, 0))
        .colour("BackColor", RGB(255, 255, 255))
        .boolean("Enabled", true)
        .text("Format", "")
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", 12)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("Text", "")
        .text("Mask", "")
        .boolean("ReadOnly", false)
        .integer("LimitText", 0)
        .boolean("AcceptTabs", false)
        .integer("Alignment", 0)
        .text("DataSource", "")
        .text("DataField", "")
        .text("InitialParent", "")
        .bytes();
}

// The surface's drawing area is the control's own rectangle.
std::string surface(int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                    int32_t tabIndex) {
    return head("popSurfaces", index, left, top, width, height, tabIndex)
        .text("InitialParent", "")
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .boolean("Enabled", true)
        .integer("FrameSpeed", 0)
        .boolean("ClickToStop", true)
        .integer("Depth", 32)
        .integer("SurfaceWidth", width)
        .integer("SurfaceHeight", height)
        .integer("SurfaceLeft", left)
        .integer("SurfaceTop", top)
        .boolean("processingClick", false)
        .bytes();
}

std::string countLabel(int32_t index, int32_t left, int32_t top, int32_t tabIndex) {
    return staticText("StaticTextPopSize", index, left, top, 35, 20, tabIndex, "0");
}

std::string clearButton(int32_t index, int32_t left, int32_t top, int32_t tabIndex, bool visible) {
    return pushButton("PushButtonClear", index, left, top, 69, 20, tabIndex, "Clear", visible);
}

// The list of an array's member, or an empty list for an index the array doesn't have.
template <std::size_t N>
const std::string& member(const std::array<std::string, N>& lists, int32_t index) {
    static const std::string empty;
    if (index < 0 || index >= int32_t(lists.size())) return empty;
    return lists[std::size_t(index)];
}

} // namespace

namespace WindowMainLists {

const std::string& Window() {
    static const std::string list = PropertyListBuilder()
                                        .integer("Placement", 2)
                                        .integer("Width", 663)
                                        .integer("Height", 520)
                                        .integer("MinWidth", 64)
                                        .integer("MinHeight", 64)
                                        .integer("MaxWidth", 32000)
                                        .integer("MaxHeight", 32000)
                                        .integer("Frame", 0)
                                        .boolean("Composite", false)
                                        .boolean("HasBackColor", false)
                                        .colour("BackColor", RGB(255, 255, 255))
                                        .text("Title", "Tarnwick")
                                        .boolean("Visible", true)
                                        .boolean("FullScreen", false)
                                        .boolean("MenuBarVisible", true)
                                        .boolean("CloseButton", true)
                                        .boolean("Resizeable", false)
                                        .boolean("LiveResize", false)
                                        .boolean("MaximizeButton", false)
                                        .boolean("MinimizeButton", false)
                                        .integer("ProcID", 0)
                                        .text("BalloonHelp", "")
                                        .bytes();
    return list;
}

// #1
const std::string& StaticTextScenario() {
    static const std::string list =
        staticText("StaticTextScenario", none, 16, 480, 150, 20, 0, "Scenario: None chosen");
    return list;
}

// #2 to #5: above pools 2, 3, 4 and 5.
const std::string& EditFieldPoolLabel(int32_t index) {
    static const std::array<std::string, 4> lists = {
        editField(0, 325, 73, 1),
        editField(1, 495, 73, 2),
        editField(2, 325, 307, 3),
        editField(3, 495, 307, 4),
    };
    return member(lists, index);
}

// #6, #9, #12, #14, #16, #23: the top pond, the bottom pond and the four pools.
const std::string& popSurfaces(int32_t index) {
    static const std::array<std::string, 6> lists = {
        surface(0, 16, 31, 256, 184, 5),   surface(1, 16, 265, 256, 184, 8),
        surface(2, 325, 95, 117, 95, 11),  surface(3, 495, 95, 117, 95, 13),
        surface(4, 325, 329, 117, 95, 15), surface(5, 495, 329, 117, 95, 22),
    };
    return member(lists, index);
}

// #7
const std::string& PushButtonRun() {
    static const std::string list =
        pushButton("PushButtonRun", none, 519, 480, 69, 20, 6, "Run", true);
    return list;
}

// #8: stopped when the window is built.
const std::string& TimerMain() {
    static const std::string list =
        PropertyListBuilder().integer("Mode", 0).integer("Period", 120).bytes();
    return list;
}

// #10, #11, #13, #15, #17, #24
const std::string& StaticTextPopSize(int32_t index) {
    static const std::array<std::string, 6> lists = {
        countLabel(0, 278, 195, 9),  countLabel(1, 278, 429, 10), countLabel(2, 448, 170, 12),
        countLabel(3, 618, 170, 14), countLabel(4, 448, 404, 16), countLabel(5, 618, 404, 23),
    };
    return member(lists, index);
}

// #18 to #22, #25: the ponds' two are never shown.
const std::string& PushButtonClear(int32_t index) {
    static const std::array<std::string, 6> lists = {
        clearButton(0, 278, 31, 17, false), clearButton(1, 278, 265, 18, false),
        clearButton(2, 349, 195, 19, true), clearButton(3, 519, 195, 20, true),
        clearButton(4, 349, 429, 21, true), clearButton(5, 519, 429, 24, true),
    };
    return member(lists, index);
}

// #26: the day counter.
const std::string& StaticTextNumClicks() {
    static const std::string list =
        staticText("StaticTextNumClicks", none, 459, 480, 45, 22, 25, "0");
    return list;
}

// #27
const std::string& StaticText1() {
    static const std::string list =
        staticText("StaticText1", none, 16, 12, 100, 20, 26, "Top pond");
    return list;
}

// #28
const std::string& StaticText2() {
    static const std::string list =
        staticText("StaticText2", none, 16, 246, 100, 20, 27, "Bottom pond");
    return list;
}

// #29
const std::string& spriteDataPopUp1() {
    static const std::string list = canvas("spriteDataPopUp1", 491, 8, 85, 69, 28);
    return list;
}

// #30
const std::string& spritePopUp1() {
    static const std::string list = canvas("spritePopUp1", 467, 8, 12, 12, 29);
    return list;
}

// #31: right-aligned against the day counter.
const std::string& StaticText3() {
    static const std::string list =
        staticText("StaticText3", none, 411, 480, 39, 22, 30, "Day:", 2);
    return list;
}

} // namespace WindowMainLists
