// The program's menu bar, as the tree the application holds and as a window shows it.
#include "tests/app/AppTestSupport.h"

#include "platform/testing/UiTesting.h"

#include <string>
#include <vector>

namespace {

// A window that shows the application's menu bar.
class WindowShowingMenu : public Window {
  public:
    void Layout() override {
        MenuBar = Menu();
        setWidth(200);
        setHeight(100);
    }
};

class MenuBarTest : public AppTest {
  protected:
    std::shared_ptr<WindowShowingMenu> shown() {
        auto w = ImplicitInstance<WindowShowingMenu>("WindowShowingMenu.WindowShowingMenu");
        w->Show();
        return w;
    }
};

struct ItemRow {
    std::string name;
    std::string text;
    std::string shortcut; // as the tree holds it
    bool autoEnable;
};

} // namespace

TEST_F(MenuBarTest, ThreeMenusWithTheirItemsInOrder) {
    const std::vector<std::pair<ItemRow, std::vector<ItemRow>>> expected = {
        {{"UntitledMenu2", "File", "", false},
         {{"FileReset", "Reset...", "", false}, {"FileQuit", "Quit", "Cmd+Q", true}}},
        {{"UntitledMenu0", "Edit", "", false},
         {{"EditUndo", "Undo", "Cmd+Z", false},
          {"UntitledMenu1", "-", "", false},
          {"EditCut", "Cut", "Cmd+X", false},
          {"EditCopy", "Copy", "Cmd+C", false},
          {"EditPaste", "Paste", "Cmd+V", false},
          {"EditClear", "Clear", "", false}}},
        {{"Tools", "Tools", "", false},
         {{"ToolsSample", "Sample...", "", false},
          {"ToolsTellthetruth", "Tell the truth...", "", false},
          {"AppAboutMyApplication", "About Tarnwick...", "", false}}},
    };
    auto bar = Menu();
    ASSERT_EQ(bar->Children().size(), expected.size());
    for (std::size_t m = 0; m < expected.size(); ++m) {
        const auto& menu = bar->Children()[m];
        const auto& [menuRow, items] = expected[m];
        EXPECT_EQ(menu->Name, menuRow.name);
        EXPECT_EQ(menu->Text, menuRow.text);
        EXPECT_FALSE(menu->AutoEnable);
        ASSERT_EQ(menu->Children().size(), items.size()) << menuRow.text;
        for (std::size_t i = 0; i < items.size(); ++i) {
            const auto& item = menu->Children()[i];
            EXPECT_EQ(item->Name, items[i].name);
            EXPECT_EQ(item->Text, items[i].text);
            EXPECT_EQ(item->KeyboardShortcut, items[i].shortcut) << items[i].name;
            EXPECT_EQ(item->AutoEnable, items[i].autoEnable) << items[i].name;
        }
    }
    EXPECT_TRUE(std::dynamic_pointer_cast<QuitMenuItem>(bar->Lookup("FileQuit")));
    EXPECT_TRUE(
        std::dynamic_pointer_cast<ApplicationMenuItem>(bar->Lookup("AppAboutMyApplication")));
}

TEST_F(MenuBarTest, AWindowShowsTheBarWithCtrlShortcuts) {
    auto w = shown();
    EXPECT_EQ(uitest::MenuTitles(*w), (std::vector<std::string>{"File", "Edit", "Tools"}));
    EXPECT_EQ(uitest::MenuItemTexts(*w, 0), (std::vector<std::string>{"Reset...", "Quit"}));
    EXPECT_EQ(uitest::MenuItemTexts(*w, 1),
              (std::vector<std::string>{"Undo", "-", "Cut", "Copy", "Paste", "Clear"}));
    EXPECT_EQ(uitest::MenuItemTexts(*w, 2),
              (std::vector<std::string>{"Sample...", "Tell the truth...", "About Tarnwick..."}));
    EXPECT_EQ(uitest::MenuItemShortcut(*w, 0, 1), "Ctrl+Q");
    EXPECT_EQ(uitest::MenuItemShortcut(*w, 1, 0), "Ctrl+Z");
    EXPECT_EQ(uitest::MenuItemShortcut(*w, 1, 5), "");
}

TEST_F(MenuBarTest, TheAccessorBuildsOneBar) {
    EXPECT_EQ(Menu(), Menu());
    EXPECT_EQ(App()->MenuBar, Menu());
}

TEST_F(MenuBarTest, EachItemAccessorFindsExactlyItsItem) {
    EXPECT_EQ(AppAboutMyApplication()->Text, "About Tarnwick...");
    EXPECT_EQ(ToolsTellthetruth()->Text, "Tell the truth...");
    EXPECT_EQ(ToolsSample()->Text, "Sample..."); // not the Tools menu
    EXPECT_EQ(FileReset()->Text, "Reset...");

    RuntimeReleaseAppObject(); // no application: nothing to search
    EXPECT_EQ(ToolsSample(), nullptr);
}

TEST_F(MenuBarTest, UpdatingEnablesTheFourCommandsAndQuitOnly) {
    auto w = shown();
    for (int menu = 0; menu < 3; ++menu)
        uitest::ShowMenu(*w, menu); // each menu brings the items up to date before it shows
    EXPECT_EQ(uitest::MenuItemEnabled(*w, 0), (std::vector<bool>{true, true}));
    EXPECT_EQ(uitest::MenuItemEnabled(*w, 1),
              (std::vector<bool>{false, true, false, false, false,
                                 false})); // the separator is no command
    EXPECT_EQ(uitest::MenuItemEnabled(*w, 2), (std::vector<bool>{true, true, true}));
}
