// Menus, the application object and its event loop, seen through a window that shows the
// application's menu bar.
#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {

template <class T = MenuItem>
std::shared_ptr<T> item(const std::string& name, const std::string& text,
                        const std::string& key = "", bool autoEnable = false) {
    auto i = std::make_shared<T>();
    i->Constructor();
    i->Name = name;
    i->AutoEnable = autoEnable;
    i->Text = text;
    i->KeyboardShortcut = key;
    return i;
}

std::shared_ptr<MenuBar> buildBar() {
    auto bar = std::make_shared<MenuBar>();
    bar->Append(item("FileMenu", "File"));
    bar->Child("FileMenu")->Append(item("FileOpen", "Open...", "Cmd+O"));
    bar->Child("FileMenu")->Append(item<QuitMenuItem>("FileQuit", "Quit", "Cmd+Q", true));
    bar->Append(item("EditMenu", "Edit"));
    bar->Child("EditMenu")->Append(item("EditUndo", "Undo", "Cmd+Z"));
    bar->Child("EditMenu")->Append(item("EditSep", "-"));
    bar->Child("EditMenu")->Append(item("EditCut", "Cut", "Cmd+X"));
    bar->Append(item("HelpMenu", "Help"));
    bar->Child("HelpMenu")->Append(item<ApplicationMenuItem>("HelpAbout", "About..."));
    return bar;
}

class TestApp : public Application {
  public:
    int opens = 0;
    int updates = 0;
    std::vector<std::string> chosen;
    bool quitOnOpen = false;
    void Event_Open() override {
        ++opens;
        if (quitOnOpen) RuntimeQuit();
    }
    void Event_EnableMenuItems() override {
        ++updates;
        MenuBar->Lookup("FileOpen")->Enabled = true;
    }
};

class WindowWithMenu : public Window {
  public:
    void Layout() override {
        MenuBar = GetAppObject()->MenuBar;
        Title = "Menus";
        setWidth(200);
        setHeight(120);
        Resizeable = false;
    }
};

// A window without a menu bar of its own: Frame 3 floats, Frame 1 is a modal dialog.
// Its class names start with "Menus": the class registry spans the whole test program, and
// a name that another file registers for its own class would give a null window.
template <int FrameCode> class WindowWithoutMenu : public Window {
  public:
    void Layout() override {
        Title = "Frame " + std::to_string(FrameCode);
        Frame = FrameCode;
        setWidth(160);
        setHeight(90);
    }
};

class Menus : public testing::Test {
  protected:
    void SetUp() override {
        app = std::make_shared<TestApp>();
        app->MenuBar = buildBar();
        RuntimeRegisterAppObject(app);
        app->AddMenuHandler("FileOpen", [this] {
            app->chosen.push_back("FileOpen");
            return false;
        });
    }
    void TearDown() override {
        CloseAllWindows();
        RuntimeReleaseAppObject();
    }
    // Shows the bar's window, then a floating window in front of it, the menus up to date.
    static bool showBarAndFloating(Window& main, Window& floating) {
        main.Show();
        floating.Show();
        const bool active = uitest::WaitUntil([&] { return uitest::IsActive(floating); });
        EnableMenuItems();
        return active;
    }
    std::shared_ptr<TestApp> app;
};

} // namespace

TEST_F(Menus, LookupFindsItemsAnywhereBelowTheBar) {
    auto bar = app->MenuBar;
    EXPECT_EQ(bar->Lookup("EditCut")->Text, "Cut");
    EXPECT_EQ(bar->Lookup("EditMenu")->Text, "Edit");
    EXPECT_EQ(bar->Child("EditCut"), nullptr); // Child looks only one level down
    EXPECT_EQ(bar->Lookup("Nothing"), nullptr);
    EXPECT_TRUE(std::dynamic_pointer_cast<ApplicationMenuItem>(bar->Lookup("HelpAbout")));
}

TEST_F(Menus, WindowShowsTheBarAboveItsClientArea) {
    auto w = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    w->Show();
    EXPECT_EQ(uitest::MenuTitles(*w), (std::vector<std::string>{"File", "Edit", "Help"}));
    EXPECT_EQ(uitest::MenuItemTexts(*w, 1), (std::vector<std::string>{"Undo", "-", "Cut"}));
    EXPECT_EQ(uitest::MenuItemShortcut(*w, 0, 1), "Ctrl+Q");
    EXPECT_EQ(uitest::ClientSize(*w), (std::pair<int, int>{200, 120}));
}

TEST_F(Menus, ShowingAMenuResetsAutoEnableThenAsksTheApplication) {
    auto w = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    app->MenuBar->Lookup("EditUndo")->Enabled = true; // not AutoEnable: reset before showing
    int before = app->updates;
    uitest::ShowMenu(*w, 0);
    EXPECT_GT(app->updates, before);
    EXPECT_EQ(uitest::MenuItemEnabled(*w, 0), (std::vector<bool>{true, true}));
    EXPECT_EQ(uitest::MenuItemEnabled(*w, 1), (std::vector<bool>{false, true, false}));

    before = app->updates;
    EnableMenuItems();
    EXPECT_EQ(app->updates, before + 1);
}

TEST_F(Menus, ChoosingAnItemRunsTheHandlerBoundToItsName) {
    auto w = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    uitest::ChooseMenu(*w, 0, 0);
    EXPECT_EQ(app->chosen, (std::vector<std::string>{"FileOpen"}));
    uitest::ChooseMenu(*w, 1, 0); // disabled: nothing runs
    EXPECT_EQ(app->chosen.size(), 1u);
}

TEST_F(Menus, OpenRunsOnceInTheEventLoopAndQuitEndsIt) {
    app->quitOnOpen = true;
    EXPECT_EQ(RuntimeRun(), 0);
    EXPECT_EQ(app->opens, 1);
}

TEST_F(Menus, QuitItemEndsTheEventLoop) {
    auto w = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    struct QuitOnOpen : TestApp {
        const Window* window = nullptr;
        void Event_Open() override {
            ++opens;
            uitest::ChooseMenu(*window, 0, 1);
        }
    };
    auto quitting = std::make_shared<QuitOnOpen>();
    quitting->MenuBar = app->MenuBar;
    quitting->window = w.get();
    RuntimeRegisterAppObject(quitting);
    EXPECT_EQ(RuntimeRun(), 0);
    EXPECT_EQ(quitting->opens, 1);
}

TEST_F(Menus, ShortcutsActFromEveryWindowThatNoModalDialogBlocks) {
    auto main = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    auto floating = ImplicitInstance<WindowWithoutMenu<3>>("MenusFloating.MenusFloating");
    ASSERT_TRUE(showBarAndFloating(*main, *floating));

    uitest::PressKeys(*floating, "Ctrl+O");
    EXPECT_EQ(app->chosen, (std::vector<std::string>{"FileOpen"})) << "from the floating window";
    uitest::PressKeys(*main, "Ctrl+O");
    EXPECT_EQ(app->chosen.size(), 2u) << "from the bar's own window";
    // With the keyboard in the bar (a tap on Alt), its items' keys still act, each once.
    main->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*main); }));
    uitest::FocusMenuBar(*main);
    uitest::PressKeysOnKeyboard(*main, "Ctrl+O");
    EXPECT_EQ(app->chosen.size(), 3u) << "from the bar itself";
    uitest::PressKeys(*floating, "Ctrl+Z"); // disabled: nothing runs, nothing is chosen
    EXPECT_EQ(app->chosen.size(), 3u);

    // A modal dialog blocks the bar, from every window.
    auto modal = ImplicitInstance<WindowWithoutMenu<1>>("MenusModal.MenusModal");
    modal->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*modal); }));
    for (Window* w : {static_cast<Window*>(modal.get()), static_cast<Window*>(floating.get()),
                      static_cast<Window*>(main.get())})
        uitest::PressKeys(*w, "Ctrl+O");
    EXPECT_EQ(app->chosen.size(), 3u) << "a shortcut acted past a modal dialog";

    modal->Close();
    floating->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*floating); }));
    uitest::PressKeys(*floating, "Ctrl+O");
    EXPECT_EQ(app->chosen.size(), 4u) << "the bar is still blocked after the dialog closed";
}

// The shortcuts are the application's: closing the window that shows the bar leaves them
// acting from the windows still open, Ctrl+Q included.
TEST_F(Menus, ShortcutsActAfterTheWindowThatShowsTheBarHasClosed) {
    auto main = ImplicitInstance<WindowWithMenu>("WindowWithMenu.WindowWithMenu");
    auto floating = ImplicitInstance<WindowWithoutMenu<3>>("MenusFloating.MenusFloating");
    ASSERT_TRUE(showBarAndFloating(*main, *floating));
    main->Close();
    main.reset();
    uitest::ProcessEvents(20);

    uitest::PressKeys(*floating, "Ctrl+O");
    EXPECT_EQ(app->chosen, (std::vector<std::string>{"FileOpen"}));
    uitest::LoopDeadline deadline(3000);
    uitest::Post([&] { uitest::PressKeys(*floating, "Ctrl+Q"); }, 50);
    EXPECT_EQ(RuntimeRun(), 0);
    EXPECT_FALSE(deadline.fired()) << "Ctrl+Q did not end the event loop";
}

namespace {
// A window that shows a bar with the standard Edit menu, two text fields and a button.
class WindowEditing : public Window {
  public:
    void Layout() override {
        MenuBar = GetAppObject()->MenuBar;
        Title = "Editing";
        setWidth(240);
        setHeight(120);
    }
    void CreateControls() override {
        add<EditField>("Field", 10, "x");
        add<EditField>("Other", 40, "copied text");
        add<PushButton>("Button", 70, "");
    }
    template <class C> void add(const std::string& name, int top, const std::string& text) {
        auto c = New<C>();
        ApplyPropertyList(*c, PropertyListBuilder()
                                  .integer("Left", 10)
                                  .integer("Top", top)
                                  .integer("Width", 200)
                                  .integer("Height", 22)
                                  .text("Text", text)
                                  .text("Caption", name)
                                  .bytes());
        AddControl(name, c);
    }
    EditField& field(const char* name) {
        return *std::dynamic_pointer_cast<EditField>(ControlByName(name));
    }
};

// The program gives the Edit items neither handlers nor enabling: the platform does both.
class EditItems : public testing::Test {
  protected:
    void SetUp() override {
        app = std::make_shared<Application>();
        app->MenuBar = std::make_shared<MenuBar>();
        app->MenuBar->Append(item("EditMenu", "Edit"));
        auto edit = app->MenuBar->Child("EditMenu");
        for (auto [name, text, key] :
             {std::tuple{"EditUndo", "Undo", "Cmd+Z"}, std::tuple{"EditSep", "-", ""},
              std::tuple{"EditCut", "Cut", "Cmd+X"}, std::tuple{"EditCopy", "Copy", "Cmd+C"},
              std::tuple{"EditPaste", "Paste", "Cmd+V"}, std::tuple{"EditClear", "Clear", ""}})
            edit->Append(item(name, text, key));
        RuntimeRegisterAppObject(app);
        uitest::SetClipboardText("");
        w = ImplicitInstance<WindowEditing>("WindowEditing.WindowEditing");
        w->Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
    }
    void TearDown() override {
        CloseAllWindows();
        RuntimeReleaseAppObject();
        uitest::SetClipboardText("");
    }
    // Undo, Cut, Copy, Paste, Clear: enabled as the menu shows them when it opens.
    std::vector<bool> enabled() {
        uitest::ShowMenu(*w, 0);
        auto shown = uitest::MenuItemEnabled(*w, 0);
        shown.erase(shown.begin() + 1); // the separator
        return shown;
    }
    void choose(int item) { uitest::ChooseMenu(*w, 0, item); }
    enum { Undo = 0, Cut = 2, Copy = 3, Paste = 4, Clear = 5 };
    std::shared_ptr<Application> app;
    std::shared_ptr<WindowEditing> w;
};
using Enabled = std::vector<bool>;
} // namespace

TEST_F(EditItems, ApplyToTheFocusedTextField) {
    EXPECT_EQ(enabled(), Enabled(5, false)) << "no field has the keyboard";

    uitest::Click(w->field("Other"));
    uitest::PressKeysOnKeyboard(*w, "Ctrl+A");
    EXPECT_EQ(enabled(), (Enabled{false, true, true, false, true})) << "a selection";
    choose(Copy);
    EXPECT_EQ(uitest::ClipboardText(), "copied text");
    EXPECT_EQ(w->field("Other").Text(), "copied text");

    uitest::Click(w->field("Field"));
    uitest::PressKeysOnKeyboard(*w, "End");
    EXPECT_EQ(enabled(), (Enabled{false, false, false, true, false})) << "text to paste";
    choose(Paste);
    EXPECT_EQ(w->field("Field").Text(), "xcopied text");
    EXPECT_TRUE(enabled()[0]) << "the paste can be undone";
    choose(Undo);
    EXPECT_EQ(w->field("Field").Text(), "x");

    // The field's own keys: one paste, not a second one by the Paste item's shortcut.
    uitest::PressKeysOnKeyboard(*w, "Ctrl+V");
    EXPECT_EQ(w->field("Field").Text(), "xcopied text");
    uitest::PressKeysOnKeyboard(*w, "Ctrl+A");
    choose(Cut);
    EXPECT_EQ(w->field("Field").Text(), "");
    EXPECT_EQ(uitest::ClipboardText(), "xcopied text");

    uitest::Click(w->field("Other"));
    uitest::PressKeysOnKeyboard(*w, "Ctrl+A");
    choose(Clear);
    EXPECT_EQ(w->field("Other").Text(), "");
    EXPECT_EQ(uitest::ClipboardText(), "xcopied text") << "Clear leaves the clipboard alone";
}

// Items left enabled by the last update do nothing once no field has the keyboard.
TEST_F(EditItems, DoNothingWithoutAFocusedField) {
    uitest::SetClipboardText("pasted");
    uitest::Click(w->field("Field"));
    EnableMenuItems();
    uitest::Click(*std::dynamic_pointer_cast<RectControl>(w->ControlByName("Button")));
    EXPECT_EQ(uitest::FocusedName(*w), "Button");
    uitest::PressKeysOnKeyboard(*w, "Ctrl+V");
    EXPECT_EQ(w->field("Field").Text(), "x");
    EXPECT_EQ(enabled(), Enabled(5, false));
}
