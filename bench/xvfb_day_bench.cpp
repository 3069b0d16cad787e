// Whole-program figures that need more than one benchmark iteration can show.
//
//   xvfb_day_bench display [DAYS]   the real main window on the X display named by DISPLAY:
//                                   both ponds filled, DAYS days (default 1000) of
//                                   TimerMain_Action, each with the painting it causes done
//                                   at once; prints the mean and the 99th percentile per day.
//   xvfb_day_bench memory [DAYS]    headless: a filled main window run for DAYS days
//                                   (default 100000) by its timer's action; prints the
//                                   resident set size at 1,000, 10,000 and 100,000 days.
//
// bench/whole_program.py runs both and judges the figures.

#include "model/Globals.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/testing/DisplayTiming.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

// Globals as start-up leaves them, then scenario "Both"; the main window shown with both
// ponds filled the way the scenario dialog's Okay fills them.
std::shared_ptr<class WindowMain> filledMainWindow() {
    Globals::CreateArrays();
    {
        FixedTicks ticks(0);
        Globals::StartUp();
    }
    CloseAllWindows();
    Globals::setScenario(4);
    auto w = WindowMain();
    w->Show();
    w->ClearAll();
    w->PopulatePond(0, Globals::MaxNumCritters[0]);
    w->PopulatePond(1, Globals::MaxNumCritters[1]);
    w->UpdateSizes();
    return w;
}

int critters(class WindowMain& w) {
    int n = 0;
    for (int i = 0; i <= Globals::NumPopSurfaces; ++i)
        n += w.popSurfaces(i)->numCritters;
    return n;
}

int displayDays(int days) {
    auto w = filledMainWindow();
    uitest::WaitUntil([&] { return uitest::IsShown(*w); }, 5000);
    uitest::ProcessEvents(200); // mapped and painted once before the clock starts
    auto timer = w->TimerMain();

    std::vector<double> perDay, paintPart;
    perDay.reserve(days);
    paintPart.reserve(days);
    long critterDays = 0;
    for (int d = 0; d < days; ++d) {
        auto t0 = Clock::now();
        w->TimerMain_Action(*timer);
        auto t1 = Clock::now();
        uitest::PaintPendingNow(*w);
        auto t2 = Clock::now();
        perDay.push_back(micros(t2 - t0));
        paintPart.push_back(micros(t2 - t1));
        critterDays += critters(*w);
        // Input and window-system events wait between days, as between timer ticks.
        uitest::ProcessEvents(0);
    }
    std::vector<double> sorted = perDay;
    std::sort(sorted.begin(), sorted.end());
    auto pct = [&](double p) {
        return sorted[std::min(sorted.size() - 1, static_cast<size_t>(p * sorted.size()))];
    };
    const double mean = std::accumulate(perDay.begin(), perDay.end(), 0.0) / days;
    const double paintMean = std::accumulate(paintPart.begin(), paintPart.end(), 0.0) / days;
    std::printf("display_days %d\n", days);
    std::printf("day_mean_us %.1f\n", mean);
    std::printf("day_p99_us %.1f\n", pct(0.99));
    std::printf("day_max_us %.1f\n", sorted.back());
    std::printf("paint_mean_us %.1f\n", paintMean);
    std::printf("critters_mean %.1f\n", double(critterDays) / days);
    CloseAllWindows();
    Globals::ReleaseArrays();
    return 0;
}

int memoryDays(int days) {
    auto w = filledMainWindow();
    auto timer = w->TimerMain();
    long first = 0;
    for (int d = 1; d <= days; ++d) {
        w->TimerMain_Action(*timer);
        // The event loop's turn between ticks, now and then: queued paints and deferred
        // deletions are handled as the running program handles them.
        if (d % 10 == 0) uitest::ProcessEvents(0);
        if (d == 1000 || d == 10000 || d == 100000 || d == days) {
            const long kb = uitest::ResidentKilobytes();
            if (!first) first = kb;
            std::printf("rss_kb_at_day %d %ld critters %d\n", d, kb, critters(*w));
            std::fflush(stdout);
        }
    }
    CloseAllWindows();
    Globals::ReleaseArrays();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool display = argc >= 2 && std::strcmp(argv[1], "display") == 0;
    const bool memory = argc >= 2 && std::strcmp(argv[1], "memory") == 0;
    if (!display && !memory) {
        std::fprintf(stderr, "usage: %s display|memory [DAYS]\n", argv[0]);
        return 2;
    }
    const int days = argc >= 3 ? std::max(1, std::atoi(argv[2])) : (display ? 1000 : 100000);
    RuntimeInit(argc, argv, /*headless=*/memory);
    // Every draw of the run from one seed, so that runs repeat; nothing waits on a box.
    ScopedRandomSource rnd{std::make_shared<SeededRandom>(42)};
    MsgBoxRecorder boxes;
    const int status = display ? displayDays(days) : memoryDays(days);
    RuntimeExit();
    return status;
}
