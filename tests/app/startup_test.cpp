// The program's start-up to shutdown, run whole: initialize, Main with its event loop, and
// finalize, with the student's Quit arriving as a real Ctrl+Q.
#include "app/App.h"
#include "app/Menu.h"
#include "app/Pictures.h"
#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "model/Globals.h"
#include "platform/Registry.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> programClassNames = {
    "App", "Menu", "WindowAbout", "WindowMain", "WindowMain.EditFieldPoolLabel",
    "WindowMain.popSurfaces", "WindowMain.TimerMain", "WindowMain.StaticTextPopSize",
    "WindowMain.PushButtonClear", "smartSurface", "WindowSplash", "WindowSplash.Timer1",
    "WindowTheTruth", "WindowWhereTo", "WindowWhereTo.RadioButtonDestination", "WindowSample",
    "WindowSelectScenario", "clickSurface", "popSurface", "smartSprite", "clickSprite",
    "bounceSprite", "critterSprite", "wormSprite", "popupSpriteCan", "spritePopUp",
    "spriteDataPopUp",
    // and the framework's
    "Window", "PushButton", "Timer", "Sprite", "SpriteSurface"};

int openCount(const std::string& fullClassName) {
    int n = 0;
    for (auto& w : OpenWindows())
        n += w->FullClassName() == fullClassName;
    return n;
}

class StartUpShutdown : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseAllWindows();
        RuntimeReleaseAppObject();
        Globals::ReleaseArrays();
    }
    MsgBoxRecorder boxes;
    ShowURLRecorder urls;
};

} // namespace

TEST_F(StartUpShutdown, StartUpShowsTheMainWindowTheScenarioDialogAndTheSplashInThatOrder) {
    Globals::CreateArrays();
    FixedTicks ticks(0);
    Globals::StartUp();
    std::vector<std::string> shown;
    for (auto& w : OpenWindows()) {
        EXPECT_TRUE(uitest::IsShown(*w)) << w->FullClassName();
        shown.push_back(w->FullClassName());
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"WindowMain.WindowMain",
                                               "WindowSelectScenario.WindowSelectScenario",
                                               "WindowSplash.WindowSplash"}));
}

TEST_F(StartUpShutdown, TheWholeRunFromInitializeToFinalize) {
    initialize();
    for (const auto& name : programClassNames)
        EXPECT_TRUE(RuntimeClassRegistered(name)) << name;
    EXPECT_EQ(Globals::MaxNumCritters.size(), 1u);
    EXPECT_EQ(Globals::AlleleFreq.size(), 1u);
    EXPECT_EQ(Globals::MaxNumWorms.size(), 1u);
    initialize(); // a second registration changes nothing
    EXPECT_EQ(Globals::MaxNumCritters.size(), 1u);

    bool checkedInsideTheLoop = false;
    uitest::Post(
        [&] {
            // The application's Open event has run once, after the handlers were bound.
            ASSERT_TRUE(uitest::WaitUntil([] { return openCount("WindowSplash.WindowSplash"); }));
            EXPECT_EQ(openCount("WindowMain.WindowMain"), 1);
            EXPECT_EQ(openCount("WindowSelectScenario.WindowSelectScenario"), 1);
            EXPECT_EQ(Globals::MaxNumCritters.size(), 6u);

            ASSERT_EQ(PluginEntrypoints.size(), 29u);
            for (auto* entry : PluginEntrypoints)
                EXPECT_NE(entry, nullptr);
            EXPECT_EQ(RuntimeLookupPluginEntrypoint("SpriteSurface.Explode"), nullptr);

            ASSERT_TRUE(App());
            EXPECT_EQ(App()->MenuBar, Menu());

            // Each item name reaches its command.
            EXPECT_TRUE(App()->HandleMenu("ToolsTellthetruth"));
            EXPECT_EQ(openCount("WindowTheTruth.WindowTheTruth"), 1);
            EXPECT_TRUE(App()->HandleMenu("AppAboutMyApplication"));
            EXPECT_EQ(openCount("WindowAbout.WindowAbout"), 1);
            EXPECT_TRUE(App()->HandleMenu("ToolsSample"));
            EXPECT_EQ(openCount("WindowSample.WindowSample"), 1);
            auto scenario = WindowSelectScenario();
            EXPECT_TRUE(App()->HandleMenu("FileReset"));
            EXPECT_EQ(openCount("WindowSelectScenario.WindowSelectScenario"), 1);
            EXPECT_NE(WindowSelectScenario(), scenario); // a fresh one

            // Exactly the four commands are enabled, and Quit by itself.
            EnableMenuItems();
            for (const char* name : {"AppAboutMyApplication", "ToolsTellthetruth", "FileReset",
                                     "ToolsSample", "FileQuit"})
                EXPECT_TRUE(Menu()->Lookup(name)->Enabled) << name;
            for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
                EXPECT_FALSE(Menu()->Lookup(name)->Enabled) << name;

            // The dialogs go, then the student quits from the main window.
            for (auto& w : OpenWindows())
                if (w->FullClassName() != "WindowMain.WindowMain") w->Close();
            for (auto& w : OpenWindows())
                if (w->FullClassName() != "WindowMain.WindowMain") w->Close();
            auto main = WindowMain();
            main->Show();
            uitest::ProcessEvents(20);
            checkedInsideTheLoop = true;
            uitest::PressKeys(*main, "Ctrl+Q");
        },
        50);
    uitest::LoopDeadline deadline(10000); // a broken Ctrl+Q fails the test, not hangs it
    Main();
    EXPECT_FALSE(deadline.fired()) << "Ctrl+Q did not end the event loop";
    EXPECT_TRUE(checkedInsideTheLoop);
    EXPECT_TRUE(OpenWindows().empty());

    finalize();
    EXPECT_EQ(FiveLegsCache::permapic, nullptr);
    EXPECT_EQ(TadpoleCache::permapic, nullptr);
    EXPECT_EQ(FrogCache::permapic, nullptr);
    EXPECT_EQ(trematodeCache::permapic, nullptr);
    EXPECT_EQ(CadmoriaCoverCache::permapic, nullptr);
    EXPECT_EQ(Menu::implicitInstance, nullptr);
    EXPECT_TRUE(Globals::MaxNumCritters.empty());
    EXPECT_TRUE(Globals::AlleleFreq.empty());
    EXPECT_TRUE(Globals::MaxNumWorms.empty());
    EXPECT_TRUE(Globals::Scenario.empty());
    EXPECT_FALSE(RuntimeClassRegistered("WindowMain"));
    finalize(); // releasing what is already released does nothing
}
