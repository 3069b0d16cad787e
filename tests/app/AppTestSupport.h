#pragma once
// Shared set-up of the app tests: Globals as start-up leaves them, an App object registered
// with the program's menu bar, and every window closed after each test; animals put at
// fixed places; and the entry names of each kind of property list, in the format's order.

#include "app/App.h"
#include "app/Menu.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Application.h"
#include "platform/Numbers.h"
#include "platform/PropertyList.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "tests/support/Replay.h"
#include "tests/support/StartUpSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Globals as start-up leaves them (see StartUpSettings), an App with the menu bar registered.
// Message boxes are recorded, not shown.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartUpSettings();
        auto app = std::make_shared<class App>();
        app->MenuBar = Menu();
        RuntimeRegisterAppObject(app);
    }
    void TearDown() override {
        CloseAllWindows();
        RuntimeReleaseAppObject();
        Globals::ReleaseArrays();
        Globals::SampleHasBeenOpen = false;
        Globals::SampleOldLeft = 0;
        Globals::SampleOldTop = 0;
    }
    MsgBoxRecorder boxes;
};

// An AppTest with the main window built, its surfaces at hand.
class MainWindowAppTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        w = WindowMain();
        ASSERT_TRUE(w);
    }
    void TearDown() override {
        w.reset();
        AppTest::TearDown();
    }
    void show(Window& window) {
        window.Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(window); }));
    }
    void show() { show(*w); }
    std::shared_ptr<popSurface> surface(int i) const { return w->popSurfaces(i); }

    std::shared_ptr<class WindowMain> w;
};

// An animal put on a surface by hand at a fixed place (the image's corner, in surface
// coordinates), without the counts being refreshed.
inline std::shared_ptr<critterSprite> addCritter(popSurface& s, int x, int y) {
    Replay draws({0, 0, 0, 0});
    auto c = std::make_shared<critterSprite>();
    s.doAttach(c);
    c->prepare(s);
    c->X = x, c->Y = y, c->xLoc = x, c->yLoc = y;
    return c;
}

inline std::shared_ptr<wormSprite> addWorm(popSurface& s, int x, int y) {
    Replay draws({0, 0, 0});
    auto worm = std::make_shared<wormSprite>();
    s.doAttach(worm);
    worm->prepare(s);
    worm->X = x, worm->Y = y, worm->xLoc = x, worm->yLoc = y;
    return worm;
}

// The names of a list's entries in order; a list that doesn't decode fails the test.
inline std::vector<std::string> EntryNames(std::string_view list) {
    auto decoded = DecodePropertyList(list);
    EXPECT_FALSE(decoded.error) << decoded.error->message;
    std::vector<std::string> names;
    for (auto& e : decoded.entries)
        names.push_back(e.name);
    return names;
}

// The entry names of each kind of list, in the order the format gives.
namespace ListOrder {

using Names = std::vector<std::string>;

inline Names joined(Names a, const Names& b, const Names& c = {}) {
    a.insert(a.end(), b.begin(), b.end());
    a.insert(a.end(), c.begin(), c.end());
    return a;
}

inline const Names Window = {"Placement",  "Width",        "Height",         "MinWidth",
                             "MinHeight",  "MaxWidth",     "MaxHeight",      "Frame",
                             "Composite",  "HasBackColor", "BackColor",      "Title",
                             "Visible",    "FullScreen",   "MenuBarVisible", "CloseButton",
                             "Resizeable", "LiveResize",   "MaximizeButton", "MinimizeButton",
                             "ProcID",     "BalloonHelp"};

inline const Names Timer = {"Mode", "Period"};

namespace NameFirst {
inline const Names Head = {"Name",      "Index",      "Left",          "Top",
                           "Width",     "Height",     "LockLeft",      "LockTop",
                           "LockRight", "LockBottom", "TabPanelIndex", "TabIndex"};
inline const Names StaticText =
    joined(Head, {"Text", "TextAlign", "TextColor", "Multiline", "Enabled", "Visible", "HelpTag",
                  "AutoDeactivate", "TextFont", "TextSize", "Bold", "Italic", "Underline",
                  "DataSource", "DataField", "InitialParent"});
inline const Names PushButton =
    joined(Head, {"Caption", "Default", "Cancel", "Enabled", "Visible", "HelpTag", "AutoDeactivate",
                  "TextFont", "TextSize", "Bold", "Italic", "Underline", "InitialParent"});
inline const Names Canvas =
    joined(Head, {"Visible", "HelpTag", "AutoDeactivate", "Enabled", "UseFocusRing", "AcceptFocus",
                  "AcceptTabs", "EraseBackground", "InitialParent"});
inline const Names EditField = joined(Head, {"Border",
                                             "Multiline",
                                             "ScrollbarHorizontal",
                                             "ScrollbarVertical",
                                             "Styled",
                                             "Password",
                                             "UseFocusRing",
                                             "TextColor",
                                             "BackColor",
                                             "Enabled",
                                             "Format",
                                             "Visible",
                                             "HelpTag",
                                             "AutoDeactivate",
                                             "TextFont",
                                             "TextSize",
                                             "Bold",
                                             "Italic",
                                             "Underline",
                                             "Text",
                                             "Mask",
                                             "ReadOnly",
                                             "LimitText",
                                             "AcceptTabs",
                                             "Alignment",
                                             "DataSource",
                                             "DataField",
                                             "InitialParent"});
inline const Names SpriteSurface =
    joined(Head, {"InitialParent", "Visible", "HelpTag", "AutoDeactivate", "Enabled", "FrameSpeed",
                  "ClickToStop", "Depth", "SurfaceWidth", "SurfaceHeight", "SurfaceLeft",
                  "SurfaceTop", "processingClick"});
} // namespace NameFirst

namespace NameLast {
inline const Names Head = {"TabIndex"};
inline const Names Tail = {"LockBottom",
                           "LockRight",
                           "LockTop",
                           "LockLeft",
                           "AutoDeactivate",
                           "DisabledBalloonHelp",
                           "BalloonHelp",
                           "HelpTag",
                           "InitialParent",
                           "Height",
                           "Width",
                           "Top",
                           "Left",
                           "Visible",
                           "TabPanelIndex",
                           "Index",
                           "Name"};
inline const Names Font = {"Underline", "Italic", "Bold", "TextSize", "TextFont"};
inline const Names StaticText = joined(
    Head,
    joined({"DataField", "DataSource", "Enabled", "MultiLine", "TextColor", "TextAlign", "Text"},
           Font),
    Tail);
inline const Names PushButton =
    joined(Head, joined({"Enabled", "Cancel", "Default", "Caption"}, Font), Tail);
inline const Names EditField = joined(
    Head,
    joined({"DataField", "DataSource", "Text", "Enabled", "BackColor", "TextColor", "Alignment",
            "AcceptTabs", "LimitText", "ReadOnly", "UseFocusRing", "Password", "Styled",
            "ScrollBarVertical", "ScrollBar", "ScrollBarHorizontal", "MultiLine", "Border"},
           Font),
    Tail);
inline const Names RadioButton = joined(Head, joined({"Enabled", "Value", "Caption"}, Font), Tail);
inline const Names PopupMenu = joined(
    Head, joined({"DataField", "DataSource", "ListIndex", "InitialValue", "Enabled"}, Font), Tail);
inline const Names Rectangle =
    joined(Head, {"BottomRightColor", "TopLeftColor", "BorderWidth", "FillColor", "Enabled"}, Tail);
} // namespace NameLast

} // namespace ListOrder
