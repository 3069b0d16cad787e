// The program on a screen scaled to 200 %: what it draws is shown at the screen's
// resolution, as sharp as the toolkit's own widgets, while every size, position and pixel
// the program reads stays in its own 100 % pixels.
#include "app/WindowAbout.h"
#include "platform/Picture.h"
#include "platform/testing/ShownImage.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/FullWindow.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

extern char** environ;

namespace {

// Every test here runs on a screen at 200 % unless the environment names another scale;
// set before main starts the platform.
const bool scaledScreen = (setenv("QT_SCALE_FACTOR", "2", 0), true);

// The shown image against the program's own pixels of the same area, 2 x 2 device pixels
// to each of its own.
struct Comparison {
    int detailed = 0; // blocks whose four device pixels differ: none when enlarged from 100 %
    int astray = 0;   // blocks whose mean is far from the program's opaque pixel: misplaced
};

Comparison compare(const uitest::ShownImage& shown, int width, int height,
                   const std::function<uint32_t(int, int)>& own) {
    Comparison result;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t block[] = {shown.at(2 * x, 2 * y), shown.at(2 * x + 1, 2 * y),
                                      shown.at(2 * x, 2 * y + 1), shown.at(2 * x + 1, 2 * y + 1)};
            if (block[1] != block[0] || block[2] != block[0] || block[3] != block[0])
                ++result.detailed;
            if (own(x, y) >> 24 != 0xFF) continue; // what lies behind shows through
            for (int shift : {0, 8, 16}) {
                int sum = 0;
                for (uint32_t p : block)
                    sum += int(p >> shift & 0xFF);
                if (std::abs(sum / 4 - int(own(x, y) >> shift & 0xFF)) > 96) {
                    ++result.astray;
                    break;
                }
            }
        }
    return result;
}

// A picture's pixels and opaque mask, as the program reads them.
struct Readings {
    int width, height;
    std::vector<uint32_t> pixels;
    std::vector<uint64_t> mask;
    bool operator==(const Readings&) const = default;
};

Readings readingsOf(const Picture& p) {
    Readings r{p.Width(), p.Height(), {}, p.Mask().bits};
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            r.pixels.push_back(p.Pixel(x, y));
    return r;
}

// Set TARNWICK_GRAB_DIR to look at what a test grabbed.
void keep(const uitest::ShownImage& shown, const char* name) {
    if (const char* dir = std::getenv("TARNWICK_GRAB_DIR")) {
        EXPECT_TRUE(uitest::SaveShown(shown, std::string(dir) + "/" + name));
    }
}

class ScaledScreenTest : public MainWindowAppTest {
  protected:
    // The control as shown, which must be at twice the program's pixels.
    uitest::ShownImage grab(const RectControl& control) {
        auto shown = uitest::GrabShown(control);
        EXPECT_EQ(shown.ratio, 2);
        EXPECT_EQ(shown.width, 2 * control.Width());
        EXPECT_EQ(shown.height, 2 * control.Height());
        return shown;
    }
};

} // namespace

TEST_F(ScaledScreenTest, CanvasesShowTheirPicturesDrawnAtTheScreensResolution) {
    // The data card of an infected frog: fills, an outline, two resource pictures and text.
    auto frog = addCritter(*surface(0), 40, 40);
    frog->phenotype = "frog";
    frog->exposed = true;
    auto card = w->spriteDataPopUp1();
    card->popup(100, 100, frog, *w);
    // The frame where a lifted animal sat: its picture drawn in, see-through where white.
    auto frame = w->spritePopUp1();
    frame->popup(60, 60, frog);
    auto about = WindowAbout();
    show(*w);
    show(*about);

    struct Case {
        const char* name;
        std::shared_ptr<Canvas> canvas;
    } cases[] = {
        {"data_card.png", card}, {"frame.png", frame}, {"cover.png", about->CanvasCadmoriaCover()}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Picture& picture = *c.canvas->Backdrop();
        const Readings before = readingsOf(picture);
        const auto shown = grab(*c.canvas);
        ASSERT_EQ(shown.width, 2 * picture.Width()); // the picture fills its canvas
        keep(shown, c.name);

        // The same drawing in the same place, with detail of its own in the device pixels.
        const Comparison k = compare(shown, picture.Width(), picture.Height(),
                                     [&](int x, int y) { return picture.Pixel(x, y); });
        const int area = picture.Width() * picture.Height();
        EXPECT_GT(k.detailed, area / 20);
        EXPECT_LT(k.astray, area / 50);
        // What the program reads is untouched by the showing.
        EXPECT_EQ(readingsOf(picture), before);
    }
}

TEST_F(ScaledScreenTest, APictureShowsWhatItHeldWhenDrawnAndEveryCallOfAMuchDrawnOne) {
    // Many more calls than a picture keeps: what they drew is shown all the same.
    auto card = NewPicture(85, 69);
    for (int k = 0; k < 400; ++k) {
        card->Graphics().ForeColor = RGB(k % 256, 100, 50);
        card->Graphics().FillRect(20 + k % 60, 20 + k / 60, 1, 1);
    }
    auto red = NewPicture(10, 10);
    red->Graphics().ForeColor = RGB(255, 0, 0);
    red->Graphics().FillOval(0, 0, 10, 10);
    card->Graphics().DrawPicture(red, 5, 5);
    red->Graphics().ForeColor = RGB(0, 0, 255); // drawn over after it was drawn into the card
    red->Graphics().FillRect(0, 0, 10, 10);
    card->Graphics().DrawString("Normal", 2, 53);
    auto canvas = w->spriteDataPopUp1();
    canvas->setBackdrop(card);
    canvas->setVisible(true);
    show(*w);

    const auto shown = grab(*canvas);
    const Comparison k = compare(shown, card->Width(), card->Height(),
                                 [&](int x, int y) { return card->Pixel(x, y); });
    EXPECT_EQ(card->Pixel(9, 9) >> 16 & 0xFF, 0xFFu); // red at 100 %
    EXPECT_GT(k.detailed, 20);
    EXPECT_LT(k.astray, 10);
}

TEST_F(ScaledScreenTest, PondsShowTheirBackdropAndAnimalsAtTheScreensResolution) {
    // A backdrop of one-pixel stripes tiles at the program's pixels: two device pixels each.
    auto stripes = NewPicture(3, 2);
    stripes->Graphics().ForeColor = RGB(240, 240, 160);
    stripes->Graphics().FillRect(0, 0, 3, 2);
    stripes->Graphics().ForeColor = RGB(200, 30, 30);
    stripes->Graphics().FillRect(0, 0, 1, 2);
    stripes->Graphics().ForeColor = RGB(30, 30, 200);
    stripes->Graphics().FillRect(1, 1, 2, 1);
    surface(2)->Backdrop = stripes;
    for (int i = 0; i < 4; ++i)
        addCritter(*surface(i), 10 + 12 * i, 15 + 7 * i);
    addWorm(*surface(0), 30, 10);
    show(*w);

    for (int i : {0, 2}) {
        SCOPED_TRACE(i);
        const auto own = surface(i)->Snapshot();
        const auto shown = grab(*surface(i));
        keep(shown, i == 0 ? "pond.png" : "pool.png");
        const Comparison k = compare(shown, own->Width(), own->Height(),
                                     [&](int x, int y) { return own->Pixel(x, y); });
        EXPECT_GT(k.detailed, 10); // the rims of the animals
        EXPECT_EQ(k.astray, 0);
    }
    // The backdrop's own blocks stay whole: pixels that were tiled, not smeared.
    const auto pool = uitest::GrabShown(*surface(2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(pool.at(2 * x + 1, 2 * y + 1), stripes->Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(pool.at(2 * 3, 0), stripes->Pixel(0, 0));
}

namespace {

// The six counts after each of 200 days of a full main window, its surfaces painted on the
// screen every day.
std::vector<std::array<std::string, 6>> countDays(class WindowMain& w) {
    ScopedRandomSource seeded(std::make_shared<SeededRandom>(2024));
    Globals::setScenario(4);
    FillMainWindow(w);
    std::vector<std::array<std::string, 6>> days;
    auto timer = w.TimerMain();
    for (int day = 0; day < 200; ++day) {
        w.TimerMain_Action(*timer);
        for (int i = 0; i <= 5; ++i)
            (void)uitest::GrabShown(*w.popSurfaces(i));
        auto& counts = days.emplace_back();
        for (int i = 0; i <= 5; ++i)
            counts[std::size_t(i)] = w.StaticTextPopSize(i)->Text();
    }
    return days;
}

std::string asText(const std::vector<std::array<std::string, 6>>& days) {
    std::ostringstream out;
    for (const auto& counts : days) {
        for (const auto& c : counts)
            out << c << ' ';
        out << '\n';
    }
    return out.str();
}

// Runs this one test again in a new process of this program, on a screen at `scale`, with
// `extra` added to its environment; whether it passed.
bool runThisTestAt(const char* scale, const std::string& extra) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string filter =
        std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    std::string scaleEntry = std::string("QT_SCALE_FACTOR=") + scale;
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_SCALE_FACTOR=", 16) != 0) env.push_back(*e);
    std::string extraEntry = extra;
    env.push_back(scaleEntry.data());
    env.push_back(extraEntry.data());
    env.push_back(nullptr);
    char self[] = "/proc/self/exe";
    char* argv[] = {self, filter.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, argv, env.data()) != 0) return false;
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST_F(ScaledScreenTest, AFullMainWindowCountsTheSameDaysAtScaleOneAndTwo) {
    show(*w);
    const std::string counted = asText(countDays(*w));
    // Run again at 100 %, this test writes its counts where it is told to, and stops.
    if (const char* out = std::getenv("TARNWICK_DAY_COUNTS")) {
        std::ofstream(out) << counted;
        return;
    }
    EXPECT_EQ(uitest::GrabShown(*surface(0)).ratio, 2);
    const auto path = std::filesystem::temp_directory_path() /
                      ("tarnwick_day_counts_" + std::to_string(getpid()));
    ASSERT_TRUE(runThisTestAt("1", "TARNWICK_DAY_COUNTS=" + path.string()));
    std::ifstream in(path);
    std::istringstream atTwo(counted);
    std::string one, two;
    for (int day = 1; day <= 200; ++day) {
        ASSERT_TRUE(std::getline(in, one) && std::getline(atTwo, two)) << "day " << day;
        ASSERT_EQ(one, two) << "the six counts at scale 1 and 2 after day " << day;
    }
    in.close();
    std::filesystem::remove(path);
}
