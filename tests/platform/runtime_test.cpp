#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "platform/Timer.h"
#include "platform/testing/Testing.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(Runtime, MsgBoxAndShowURLGoToTheInnermostRecorder) {
    MsgBoxRecorder outerBoxes;
    ShowURLRecorder outerURLs;
    MsgBox("first");
    {
        MsgBoxRecorder boxes;
        ShowURLRecorder urls;
        MsgBox("Sorry. Try again.");
        MsgBox("line one" + Chr(13) + "line two");
        ShowURL("https://example.org/page");
        EXPECT_EQ(boxes.texts,
                  (std::vector<std::string>{"Sorry. Try again.", "line one\rline two"}));
        EXPECT_EQ(urls.texts, (std::vector<std::string>{"https://example.org/page"}));
    }
    MsgBox("last");
    ShowURL("b");
    EXPECT_EQ(outerBoxes.texts, (std::vector<std::string>{"first", "last"}));
    EXPECT_EQ(outerURLs.texts, (std::vector<std::string>{"b"}));
}

// A browser that cannot be started is said so in one message box that names the page, a
// file by its path, so that it can be opened by hand; a browser that starts says nothing.
TEST(Runtime, ShowURLSaysSoWhenNoBrowserCanBeStarted) {
    const std::string said = "No web browser could be started to show the page. It can be "
                             "opened by hand from this ";
    for (auto [address, named] :
         {std::pair{"file:///usr/share/tarnwick/tarnwick%20page.html",
                    "file:\r\r/usr/share/tarnwick/tarnwick page.html"},
          std::pair{"https://example.org/page", "address:\r\rhttps://example.org/page"}}) {
        SCOPED_TRACE(address);
        MsgBoxRecorder boxes;
        {
            FakeBrowser browser(/*starts=*/true);
            ShowURL(address);
            EXPECT_EQ(browser.addresses, std::vector<std::string>{address});
            EXPECT_TRUE(boxes.texts.empty());
        }
        FakeBrowser none(/*starts=*/false);
        ShowURL(address);
        EXPECT_EQ(none.addresses, std::vector<std::string>{address});
        EXPECT_EQ(boxes.texts, std::vector<std::string>{said + named});
    }
}

TEST(Runtime, TicksCountSixtiethsOfASecondUnlessFixed) {
    {
        FixedTicks fixed(42);
        EXPECT_EQ(Ticks(), 42);
        fixed.set(43);
        EXPECT_EQ(Ticks(), 43);
    }
    const auto t0 = std::chrono::steady_clock::now();
    const int32_t k0 = Ticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    const int32_t k1 = Ticks();
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    EXPECT_GE(k0, 0);
    EXPECT_GE(k1 - k0, 150 * 60 / 1000 - 1); // at least the time slept
    EXPECT_LE(k1 - k0, elapsed * 60 + 1);    // at most the time measured around it
}

TEST(Runtime, BackgroundTaskIsCountedAndDispatchesNoEvents) {
    BackgroundTaskCounter counter;
    // A timer due at once: a background task that ran the event loop would fire it.
    auto timer = std::make_shared<Timer>();
    int fired = 0;
    timer->InstallEventHandler("Action", [&](Control&) {
        ++fired;
        RuntimeQuit();
    });
    timer->setPeriod(0);
    timer->setMode(1);
    for (int i = 0; i < 3; ++i)
        RuntimeBackgroundTask();
    EXPECT_EQ(counter.calls(), 3u);
    ASSERT_EQ(fired, 0); // (had it fired, the loop below would wait for ever)
    // The timer is live: the event loop proper fires it.
    RuntimeRun();
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(counter.calls(), 3u);
}

TEST(Runtime, HandlerExceptionsBecomeOneMessageBoxEachAndGoNoFurther) {
    MsgBoxRecorder boxes;
    auto previous = seams::setUnhandledExceptionHandler({}); // the real behaviour: a box
    bool after = false;
    RunHandler([] { throw std::runtime_error("replay ran out"); });
    RunHandler([] { throw 42; });
    RunHandler([&] { after = true; });
    seams::setUnhandledExceptionHandler(previous);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_NE(boxes.texts[0].find("replay ran out"), std::string::npos);
    EXPECT_FALSE(boxes.texts[1].empty());
    EXPECT_TRUE(after);
}
