#include "app/PropertyLists.h"

#include "platform/PropertyList.h"

namespace PropertyLists {

std::string WindowList(const WindowValues& v) {
    return PropertyListBuilder()
        .integer("Placement", v.Placement)
        .integer("Width", v.Width)
        .integer("Height", v.Height)
        .integer("MinWidth", v.MinWidth)
        .integer("MinHeight", v.MinHeight)
        .integer("MaxWidth", v.MaxWidth)
        .integer("MaxHeight", v.MaxHeight)
        .integer("Frame", v.Frame)
        .boolean("Composite", v.Composite)
        .boolean("HasBackColor", v.HasBackColor)
        .colour("BackColor", v.BackColor)
        .text("Title", v.Title)
        .boolean("Visible", v.Visible)
        .boolean("FullScreen", v.FullScreen)
        .boolean("MenuBarVisible", v.MenuBarVisible)
        .boolean("CloseButton", v.CloseButton)
        .boolean("Resizeable", v.Resizeable)
        .boolean("LiveResize", v.LiveResize)
        .boolean("MaximizeButton", v.MaximizeButton)
        .boolean("MinimizeButton", v.MinimizeButton)
        .integer("ProcID", v.ProcID)
        .text("BalloonHelp", v.BalloonHelp)
        .bytes();
}

std::string TimerList(const TimerValues& v) {
    return PropertyListBuilder().integer("Mode", v.Mode).integer("Period", v.Period).bytes();
}

namespace NameFirst {

namespace {

PropertyListBuilder head(const ControlValues& c) {
    PropertyListBuilder b;
    b.text("Name", c.Name)
        .integer("Index", c.Index)
        .integer("Left", c.Left)
        .integer("Top", c.Top)
        .integer("Width", c.Width)
        .integer("Height", c.Height)
        .boolean("LockLeft", false)
        .boolean("LockTop", false)
        .boolean("LockRight", false)
        .boolean("LockBottom", false)
        .integer("TabPanelIndex", 0)
        .integer("TabIndex", c.TabIndex);
    return b;
}

// The font entries of the text-showing classes, in this layout's order.
PropertyListBuilder& font(PropertyListBuilder& b, int32_t textSize) {
    return b.text("TextFont", "System")
        .integer("TextSize", textSize)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false);
}

} // namespace

std::string StaticTextList(const ControlValues& c, const StaticTextValues& v) {
    auto b = head(c);
    b.text("Text", v.Text)
        .integer("TextAlign", v.TextAlign)
        .colour("TextColor", Black)
        .boolean("Multiline", v.MultiLine)
        .boolean("Enabled", true)
        .boolean("Visible", c.Visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true);
    return font(b, v.TextSize)
        .text("DataSource", "")
        .text("DataField", "")
        .text("InitialParent", c.InitialParent)
        .bytes();
}

std::string PushButtonList(const ControlValues& c, const PushButtonValues& v) {
    auto b = head(c);
    b.text("Caption", v.Caption)
        .boolean("Default", v.Default)
        .boolean("Cancel", false)
        .boolean("Enabled", true)
        .boolean("Visible", c.Visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true);
    return font(b, v.TextSize).text("InitialParent", c.InitialParent).bytes();
}

std::string CanvasList(const ControlValues& c) {
    return head(c)
        .boolean("Visible", c.Visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .boolean("Enabled", true)
        .boolean("UseFocusRing", true)
        .boolean("AcceptFocus", false)
        .boolean("AcceptTabs", false)
        .boolean("EraseBackground", true)
        .text("InitialParent", c.InitialParent)
        .bytes();
}

std::string EditFieldList(const ControlValues& c, const EditFieldValues& v) {
    auto b = head(c);
    b.boolean("Border", v.Border)
        .boolean("Multiline", v.MultiLine)
        .boolean("ScrollbarHorizontal", false)
        .boolean("ScrollbarVertical", false)
        .boolean("Styled", false)
        .boolean("Password", false)
        .boolean("UseFocusRing", v.UseFocusRing)
        .colour("TextColor", Black)
        .colour("BackColor", White)
        .boolean("Enabled", true)
        .text("Format", "")
        .boolean("Visible", c.Visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true);
    return font(b, v.TextSize)
        .text("Text", v.Text)
        .text("Mask", "")
        .boolean("ReadOnly", false)
        .integer("LimitText", 0)
        .boolean("AcceptTabs", false)
        .integer("Alignment", 0)
        .text("DataSource", "")
        .text("DataField", "")
        .text("InitialParent", c.InitialParent)
        .bytes();
}

std::string SpriteSurfaceList(const ControlValues& c) {
    return head(c)
        .text("InitialParent", c.InitialParent)
        .boolean("Visible", c.Visible)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .boolean("Enabled", true)
        .integer("FrameSpeed", 0)
        .boolean("ClickToStop", true)
        .integer("Depth", 32)
        .integer("SurfaceWidth", c.Width)
        .integer("SurfaceHeight", c.Height)
        .integer("SurfaceLeft", c.Left)
        .integer("SurfaceTop", c.Top)
        .boolean("processingClick", false)
        .bytes();
}

} // namespace NameFirst

namespace NameLast {

namespace {

PropertyListBuilder head(const ControlValues& c) {
    PropertyListBuilder b;
    b.integer("TabIndex", c.TabIndex);
    return b;
}

// The font entries that end the class part of the text-showing classes.
PropertyListBuilder& font(PropertyListBuilder& b, int32_t textSize) {
    return b.boolean("Underline", false)
        .boolean("Italic", false)
        .boolean("Bold", false)
        .integer("TextSize", textSize)
        .text("TextFont", "System");
}

std::string tail(PropertyListBuilder& b, const ControlValues& c) {
    return b.boolean("LockBottom", false)
        .boolean("LockRight", false)
        .boolean("LockTop", false)
        .boolean("LockLeft", false)
        .boolean("AutoDeactivate", true)
        .text("DisabledBalloonHelp", "")
        .text("BalloonHelp", "")
        .text("HelpTag", "")
        .text("InitialParent", c.InitialParent)
        .integer("Height", c.Height)
        .integer("Width", c.Width)
        .integer("Top", c.Top)
        .integer("Left", c.Left)
        .boolean("Visible", c.Visible)
        .integer("TabPanelIndex", 0)
        .integer("Index", c.Index)
        .text("Name", c.Name)
        .bytes();
}

} // namespace

std::string StaticTextList(const ControlValues& c, const StaticTextValues& v) {
    auto b = head(c);
    b.text("DataField", "")
        .text("DataSource", "")
        .boolean("Enabled", true)
        .boolean("MultiLine", v.MultiLine)
        .colour("TextColor", Black)
        .integer("TextAlign", v.TextAlign)
        .text("Text", v.Text);
    return tail(font(b, v.TextSize), c);
}

std::string PushButtonList(const ControlValues& c, const PushButtonValues& v) {
    auto b = head(c);
    b.boolean("Enabled", true)
        .boolean("Cancel", false)
        .boolean("Default", v.Default)
        .text("Caption", v.Caption);
    return tail(font(b, v.TextSize), c);
}

std::string EditFieldList(const ControlValues& c, const EditFieldValues& v) {
    auto b = head(c);
    b.text("DataField", "")
        .text("DataSource", "")
        .text("Text", v.Text)
        .boolean("Enabled", true)
        .colour("BackColor", White)
        .colour("TextColor", Black)
        .integer("Alignment", 0)
        .boolean("AcceptTabs", false)
        .integer("LimitText", 0)
        .boolean("ReadOnly", false)
        .boolean("UseFocusRing", v.UseFocusRing)
        .boolean("Password", false)
        .boolean("Styled", false)
        .boolean("ScrollBarVertical", true)
        .boolean("ScrollBar", true)
        .boolean("ScrollBarHorizontal", false)
        .boolean("MultiLine", v.MultiLine)
        .boolean("Border", v.Border);
    return tail(font(b, v.TextSize), c);
}

std::string RadioButtonList(const ControlValues& c, const RadioButtonValues& v) {
    auto b = head(c);
    b.boolean("Enabled", true).boolean("Value", v.Value).text("Caption", v.Caption);
    return tail(font(b, v.TextSize), c);
}

std::string PopupMenuList(const ControlValues& c, const PopupMenuValues& v) {
    auto b = head(c);
    b.text("DataField", "")
        .text("DataSource", "")
        .integer("ListIndex", 0)
        .text("InitialValue", v.InitialValue)
        .boolean("Enabled", true);
    return tail(font(b, v.TextSize), c);
}

std::string RectangleList(const ControlValues& c) {
    auto b = head(c);
    b.colour("BottomRightColor", Black)
        .colour("TopLeftColor", Black)
        .integer("BorderWidth", 1)
        .colour("FillColor", White)
        .boolean("Enabled", true);
    return tail(b, c);
}

} // namespace NameLast

} // namespace PropertyLists
