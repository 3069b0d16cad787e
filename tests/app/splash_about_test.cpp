// The splash and About windows: their lists, how each closes, what a close hands on to,
// and the page that "Go there" opens.
#include "app/App.h"
#include "app/CoverTexts.h"
#include "app/Pictures.h"
#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "platform/AppFiles.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "platform/testing/UiTesting.h"
#include "tests/app/AppTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char* kScenarioClass = "WindowSelectScenario.WindowSelectScenario";
constexpr const char* kAboutClass = "WindowAbout.WindowAbout";
constexpr const char* kSplashClass = "WindowSplash.WindowSplash";

std::string hexBytes(const std::string& hex) {
    std::string out;
    std::istringstream in(hex);
    std::string byte;
    while (in >> byte)
        out.push_back(static_cast<char>(std::stoi(byte, nullptr, 16)));
    return out;
}

int countOpen(const char* fullClassName) {
    int n = 0;
    for (auto& w : OpenWindows())
        if (w->FullClassName() == fullClassName) ++n;
    return n;
}

class SplashAboutTest : public AppTest {};

} // namespace

// The About window's "OK" button: the exact bytes of the format's worked example.
TEST(SplashAboutLists, OkButtonAndTimerListsAreTheirExactBytes) {
    const std::string expected = hexBytes(
        // Name "PushButtonClose"
        "4E 61 6D 65 20 00 00 00 0F 50 75 73 68 42 75 74 74 6F 6E 43 6C 6F 73 65 "
        // Index -2147483648, Left 361, Top 491, Width 60, Height 20
        "49 6E 64 65 78 20 80 00 00 00 "
        "4C 65 66 74 20 00 00 01 69 "
        "54 6F 70 20 00 00 01 EB "
        "57 69 64 74 68 20 00 00 00 3C "
        "48 65 69 67 68 74 20 00 00 00 14 "
        // LockLeft, LockTop, LockRight, LockBottom false
        "4C 6F 63 6B 4C 65 66 74 20 00 "
        "4C 6F 63 6B 54 6F 70 20 00 "
        "4C 6F 63 6B 52 69 67 68 74 20 00 "
        "4C 6F 63 6B 42 6F 74 74 6F 6D 20 00 "
        // TabPanelIndex 0, TabIndex 3
        "54 61 62 50 61 6E 65 6C 49 6E 64 65 78 20 00 00 00 00 "
        "54 61 62 49 6E 64 65 78 20 00 00 00 03 "
        // Caption "OK", Default false, Cancel false, Enabled true, Visible true
        "43 61 70 74 69 6F 6E 20 00 00 00 02 4F 4B "
        "44 65 66 61 75 6C 74 20 00 "
        "43 61 6E 63 65 6C 20 00 "
        "45 6E 61 62 6C 65 64 20 01 "
        "56 69 73 69 62 6C 65 20 01 "
        // HelpTag empty, AutoDeactivate true, TextFont "System", TextSize 12
        "48 65 6C 70 54 61 67 20 00 00 00 00 "
        "41 75 74 6F 44 65 61 63 74 69 76 61 74 65 20 01 "
        "54 65 78 74 46 6F 6E 74 20 00 00 00 06 53 79 73 74 65 6D "
        "54 65 78 74 53 69 7A 65 20 00 00 00 0C "
        // Bold, Italic, Underline false, InitialParent empty
        "42 6F 6C 64 20 00 "
        "49 74 61 6C 69 63 20 00 "
        "55 6E 64 65 72 6C 69 6E 65 20 00 "
        "49 6E 69 74 69 61 6C 50 61 72 65 6E 74 20 00 00 00 00");
    ASSERT_EQ(expected.size(), 297u);
    EXPECT_EQ(WindowAboutLists::PushButtonClose, expected);

    EXPECT_EQ(WindowSplashLists::Timer1,
              hexBytes("4D 6F 64 65 20 00 00 00 01 50 65 72 69 6F 64 20 00 00 1B 58"));
}

// Every list of both windows decodes cleanly, with the entries of its kind in the
// Name-first order.
TEST(SplashAboutLists, EveryListHoldsItsEntriesInTheNameFirstOrder) {
    const auto& window = ListOrder::Window;
    const auto& label = ListOrder::NameFirst::StaticText;
    const auto& button = ListOrder::NameFirst::PushButton;
    const auto& canvas = ListOrder::NameFirst::Canvas;
    namespace s = WindowSplashLists;
    namespace a = WindowAboutLists;
    const struct {
        const char* what;
        const std::string& list;
        const std::vector<std::string>& names;
    } cases[] = {
        {"splash window", s::Window, window},
        {"splash LabelTitle", s::LabelTitle, label},
        {"splash StaticText2", s::StaticText2, label},
        {"splash StaticText1", s::StaticText1, label},
        {"splash CanvasCadmoriaCover", s::CanvasCadmoriaCover, canvas},
        {"splash PushButtonProceed", s::PushButtonProceed, button},
        {"about window", a::Window, window},
        {"about StaticTextAboutBlurb", a::StaticTextAboutBlurb, label},
        {"about LabelTitle", a::LabelTitle, label},
        {"about LabelWebAddress", a::LabelWebAddress, label},
        {"about PushButtonClose", a::PushButtonClose, button},
        {"about CanvasCadmoriaCover", a::CanvasCadmoriaCover, canvas},
        {"about PushButtonGoThere", a::PushButtonGoThere, button},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EntryNames(c.list), c.names) << c.what;
}

// The built windows: controls in their order, the values of their lists, the timer's owner
// and one cover picture shared by both windows and kept across a rebuild.
TEST_F(SplashAboutTest, BothWindowsAreBuiltWithTheirControlsValuesAndCover) {
    auto splash = WindowSplash();
    ASSERT_TRUE(splash);
    std::vector<std::string> names;
    for (auto& c : splash->Controls())
        names.push_back(c->Name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"LabelTitle", "StaticText2", "StaticText1",
                                        "CanvasCadmoriaCover", "PushButtonProceed", "Timer1"}));
    EXPECT_EQ(splash->Width(), 327);
    EXPECT_EQ(splash->Height(), 371);
    EXPECT_EQ(splash->Frame, 2);
    EXPECT_TRUE(splash->CloseButton);
    EXPECT_EQ(splash->LabelTitle()->Text(), "Tarnwick\rSoftware for Cadmoria");
    EXPECT_EQ(splash->PushButtonProceed()->Caption(), "Proceed");
    EXPECT_TRUE(splash->PushButtonProceed()->Default);
    EXPECT_EQ(splash->PushButtonProceed()->Left(), 127);
    EXPECT_EQ(splash->PushButtonProceed()->Top(), 305);
    auto timer = std::dynamic_pointer_cast<WindowSplash::Timer1Class>(splash->Timer1());
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->Mode(), 1);
    EXPECT_EQ(timer->Period(), 7000);
    EXPECT_EQ(timer->Window(), splash.get());

    auto about = WindowAbout();
    ASSERT_TRUE(about);
    names.clear();
    for (auto& c : about->Controls())
        names.push_back(c->Name);
    EXPECT_EQ(names, (std::vector<std::string>{"StaticTextAboutBlurb", "LabelTitle",
                                               "LabelWebAddress", "PushButtonClose",
                                               "CanvasCadmoriaCover", "PushButtonGoThere"}));
    EXPECT_EQ(about->Title, "About Tarnwick");
    EXPECT_FALSE(about->CloseButton);
    EXPECT_FALSE(about->Resizeable);
    EXPECT_EQ(about->PushButtonGoThere()->Caption(), "Go there");
    EXPECT_EQ(about->PushButtonGoThere()->Left(), 295);
    EXPECT_EQ(about->CanvasCadmoriaCover()->Width(), 150);
    EXPECT_EQ(about->CanvasCadmoriaCover()->Height(), 201);

    // The four texts: one line each for the address and the version, the credits in
    // paragraphs, the same address line in both windows.
    const std::string address = splash->StaticText2()->Text();
    EXPECT_EQ(about->LabelWebAddress()->Text(), address);
    EXPECT_EQ(address.find('\r'), std::string::npos);
    const std::string version = splash->StaticText1()->Text();
    EXPECT_NE(version.find("Tarnwick"), std::string::npos);
    EXPECT_NE(version.find("1.1"), std::string::npos);
    EXPECT_EQ(version.find('\r'), std::string::npos);
    const std::string credits = about->StaticTextAboutBlurb()->Text();
    EXPECT_NE(credits.find("1.1"), std::string::npos);
    const auto firstBreak = credits.find("\r\r");
    ASSERT_NE(firstBreak, std::string::npos);
    EXPECT_NE(credits.find("\r\r", firstBreak + 2), std::string::npos) << "three paragraphs";

    auto cover = CadmoriaCover();
    ASSERT_TRUE(cover);
    EXPECT_EQ(splash->CanvasCadmoriaCover()->Backdrop(), cover);
    EXPECT_EQ(about->CanvasCadmoriaCover()->Backdrop(), cover);
    about->Close();
    EXPECT_EQ(WindowAbout()->CanvasCadmoriaCover()->Backdrop(), cover);
}

// The cover is painted on the canvas, not just attached to it: where the picture is opaque,
// the canvas shows its colours.
TEST_F(SplashAboutTest, TheShownCanvasesPaintTheCover) {
    auto cover = CadmoriaCover();
    ASSERT_TRUE(cover);
    auto splash = WindowSplash();
    splash->Show();
    auto about = WindowAbout();
    about->Show();
    uitest::ProcessEvents();
    for (auto canvas : {splash->CanvasCadmoriaCover(), about->CanvasCadmoriaCover()}) {
        const int width = std::min(cover->Width(), canvas->Width());
        const int height = std::min(cover->Height(), canvas->Height());
        const int step = std::max(1, std::min(width, height) / 12);
        int compared = 0;
        for (int y = 0; y < height; y += step)
            for (int x = 0; x < width; x += step) {
                const uint32_t want = cover->Pixel(x, y);
                if ((want >> 24) != 0xFF) continue;
                EXPECT_EQ(uitest::ShownPixel(*canvas, x, y) & 0xFFFFFF, want & 0xFFFFFF)
                    << canvas->Name << " at " << x << "," << y;
                ++compared;
            }
        EXPECT_GT(compared, 0);
    }
}

// Each way of closing the splash ends it and brings the scenario dialog up once: after
// the student has dealt with that dialog, nothing left of the splash brings it back.
TEST_F(SplashAboutTest, EachWayOfClosingTheSplashShowsTheScenarioDialogOnce) {
    const struct {
        const char* way;
        std::function<void(class WindowSplash&)> close;
    } ways[] = {
        {"Proceed", [](class WindowSplash& w) { uitest::Click(*w.PushButtonProceed()); }},
        {"Return presses Proceed", [](class WindowSplash& w) { uitest::PressReturn(w); }},
        {"the timer", [](class WindowSplash& w) { w.Timer1()->Fire(); }},
        {"a click in the background",
         [](class WindowSplash& w) {
             uitest::Press(w, 20, 20);
             uitest::Release(w, 20, 20);
         }},
        // What the close box does.
        {"the close box", [](class WindowSplash& w) { w.Close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        auto splash = WindowSplash();
        splash->Show();
        uitest::ProcessEvents();
        auto timer = splash->Timer1();
        ASSERT_EQ(countOpen(kScenarioClass), 0);

        way.close(*splash);
        uitest::ProcessEvents();
        EXPECT_FALSE(splash->IsOpen());
        EXPECT_EQ(GetImplicitWindow(kSplashClass), nullptr);
        ASSERT_EQ(countOpen(kScenarioClass), 1);
        auto dialog = GetImplicitWindow(kScenarioClass);
        EXPECT_TRUE(uitest::IsShown(*dialog));

        // The student closes the dialog; the old splash's timer and a late click on it
        // must not bring one back.
        dialog->Close();
        timer->Fire();
        splash->Close();
        uitest::ProcessEvents();
        EXPECT_EQ(countOpen(kScenarioClass), 0);
        CloseAllWindows();
    }
}

// A scenario dialog still open comes forward as it is; one closed meanwhile is built anew.
TEST_F(SplashAboutTest, ClosingTheSplashShowsTheOpenDialogOrANewOne) {
    for (bool closedMeanwhile : {false, true}) {
        SCOPED_TRACE(closedMeanwhile ? "dialog closed meanwhile" : "dialog still open");
        auto first = WindowSelectScenario();
        first->Show();
        auto splash = WindowSplash();
        splash->Show();
        if (closedMeanwhile) first->Close(); // kept here, so a new one cannot reuse it

        uitest::Click(*splash->PushButtonProceed());
        uitest::ProcessEvents();
        ASSERT_EQ(countOpen(kScenarioClass), 1);
        auto shown = GetImplicitWindow(kScenarioClass);
        EXPECT_TRUE(uitest::IsShown(*shown));
        EXPECT_EQ(shown == first, !closedMeanwhile);
        CloseAllWindows();
    }
}

// "OK" and a click in the background close the About window and open nothing.
TEST_F(SplashAboutTest, OkAndABackgroundClickCloseTheAboutWindow) {
    ShowURLRecorder urls;
    const struct {
        const char* way;
        std::function<void(class WindowAbout&)> close;
    } ways[] = {
        {"OK", [](class WindowAbout& w) { uitest::Click(*w.PushButtonClose()); }},
        {"a click in the background",
         [](class WindowAbout& w) {
             uitest::Press(w, 20, 20);
             uitest::Release(w, 20, 20);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        auto about = WindowAbout();
        about->Show();
        uitest::ProcessEvents();
        way.close(*about);
        uitest::ProcessEvents();
        EXPECT_FALSE(about->IsOpen());
        EXPECT_EQ(GetImplicitWindow(kAboutClass), nullptr);
    }
    EXPECT_TRUE(urls.texts.empty());
}

// "Go there" closes the window before the page is asked for, and opens the page that ships
// beside the program; the window does not come back.
TEST_F(SplashAboutTest, GoThereClosesTheWindowThenOpensTheProgramsPage) {
    std::vector<std::string> addresses;
    std::vector<bool> aboutOpenAtCall;
    auto previous = seams::setShowURLHandler([&](const std::string& address) {
        addresses.push_back(address);
        aboutOpenAtCall.push_back(GetImplicitWindow(kAboutClass) != nullptr);
    });
    struct Restore {
        seams::TextHandler h;
        ~Restore() { seams::setShowURLHandler(std::move(h)); }
    } restore{std::move(previous)};

    auto about = WindowAbout();
    about->Show();
    uitest::ProcessEvents();
    uitest::Click(*about->PushButtonGoThere());
    uitest::ProcessEvents();

    ASSERT_EQ(addresses.size(), 1u);
    EXPECT_FALSE(aboutOpenAtCall[0]);
    EXPECT_EQ(addresses[0], ApplicationFileURL("tarnwick.html"));
    EXPECT_EQ(addresses[0].rfind("file://", 0), 0u) << addresses[0];
    EXPECT_FALSE(about->IsOpen());
    EXPECT_EQ(countOpen(kAboutClass), 0);
}

// Two About commands in a row: one window, the same one, shown.
TEST_F(SplashAboutTest, TwoAboutCommandsShowOneWindow) {
    auto app = App();
    ASSERT_TRUE(app);
    EXPECT_FALSE(app->AppAboutMyApplication_Action());
    auto first = GetImplicitWindow(kAboutClass);
    ASSERT_TRUE(first);
    EXPECT_FALSE(app->AppAboutMyApplication_Action());
    uitest::ProcessEvents();
    EXPECT_EQ(countOpen(kAboutClass), 1);
    EXPECT_EQ(GetImplicitWindow(kAboutClass), first);
    EXPECT_TRUE(uitest::IsShown(*first));
}

// The page shipped with the program tells about it and its four scenarios by their shown
// names only: it gives away neither the hidden causes nor the password.
TEST(SplashAboutPage, ThePageDescribesTheProgramWithoutGivingTheAnswersAway) {
    const auto page =
        std::filesystem::path(__FILE__).parent_path() / "../../resources/tarnwick.html";
    std::ifstream in(page);
    ASSERT_TRUE(in) << page;
    std::stringstream text;
    text << in.rdbuf();
    const std::string html = text.str();
    for (const char* shown : {"Tarnwick", "1.1", "One", "Two", "Three", "Four"})
        EXPECT_NE(html.find(shown), std::string::npos) << shown;
    for (const char* hidden : {"Genetic", "Random", "Environmental", "Both", "Wembix", "wembix"})
        EXPECT_EQ(html.find(hidden), std::string::npos) << hidden;
    EXPECT_EQ(page.filename().string(), CoverTexts::PageFileName);
}
