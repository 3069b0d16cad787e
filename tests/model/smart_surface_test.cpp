#include "model/Globals.h"
#include "model/smartSprite.h"
#include "model/smartSurface.h"
#include "platform/Picture.h"
#include "platform/testing/Testing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// An animal that logs its hooks. Its image is an opaque square, so overlapping ones touch.
class SpySprite : public smartSprite {
  public:
    SpySprite(std::string name, Log& log, int x = 0, int y = 0) : name(std::move(name)), log(log) {
        Image = NewPicture(10, 10);
        Image->Graphics().FillRect(0, 0, 10, 10);
        Group = -1;
        X = x;
        Y = y;
    }
    void redraw(smartSurface& surface) override {
        log.push_back("redraw " + name);
        if (onRedraw) onRedraw(surface);
    }
    void collision(smartSurface&, const std::shared_ptr<smartSprite>& other) override {
        log.push_back("collision " + name + "-" + static_cast<SpySprite&>(*other).name);
    }
    std::string name;
    Log& log;
    std::function<void(smartSurface&)> onRedraw;
};

std::string nameOf(const std::shared_ptr<smartSprite>& s) {
    return s ? static_cast<SpySprite&>(*s).name : "-";
}

// A surface that logs its hooks and checks what each hook may rely on.
class SpySurface : public smartSurface {
  public:
    explicit SpySurface(Log& log) : log(log) {
        setWidth(100);
        setHeight(100);
    }
    void redraw() override { log.push_back("surface redraw"); }
    void collision(const std::shared_ptr<smartSprite>& a,
                   const std::shared_ptr<smartSprite>& b) override {
        log.push_back("surface collision " + nameOf(a) + "-" + nameOf(b));
    }
    void addedSprite(const std::shared_ptr<smartSprite>& s) override {
        // Attached by the framework and already at the end of the list.
        EXPECT_EQ(s->surface(), this);
        EXPECT_EQ(sprites.back(), s);
        log.push_back("added " + nameOf(s));
    }
    void removedSprite(const std::shared_ptr<smartSprite>& s) override {
        EXPECT_EQ(s->surface(), nullptr);
        EXPECT_EQ(std::find(sprites.begin(), sprites.end(), s), sprites.end());
        log.push_back("removed " + nameOf(s));
    }
    Log& log;
};

std::vector<std::string> names(const smartSurface& s) {
    std::vector<std::string> out;
    for (const auto& p : s.sprites)
        out.push_back(nameOf(p));
    return out;
}

class SmartSurfaceTest : public ::testing::Test {
  protected:
    std::shared_ptr<SpySprite> add(const std::string& name, int x, int y) {
        auto s = std::make_shared<SpySprite>(name, log, x, y);
        surface->doAttach(s);
        return s;
    }
    // Three animals far apart: no contacts.
    void addPQR() {
        p = add("p", 0, 0);
        q = add("q", 40, 0);
        r = add("r", 80, 0);
        log.clear();
    }
    Log log;
    std::shared_ptr<SpySurface> surface = std::make_shared<SpySurface>(log);
    std::shared_ptr<SpySprite> p, q, r;
};

TEST_F(SmartSurfaceTest, NewSurfaceHoldsOnlyTheEmptyFirstElement) {
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-"}));
    EXPECT_EQ(Ubound(surface->sprites), 0);
}

TEST_F(SmartSurfaceTest, AttachAppendsAndDetachClosesTheGap) {
    addPQR();
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "p", "q", "r"}));
    EXPECT_EQ(surface->attached().size(), 3u);

    surface->doDetach(1);
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "q", "r"}));
    EXPECT_EQ(log, (Log{"removed p"}));
    EXPECT_EQ(p->surface(), nullptr);
    EXPECT_EQ(surface->attached().size(), 2u);

    auto s = add("s", 0, 40);
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "q", "r", "s"}));
    surface->doDetach(3);
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "q", "r"}));
}

TEST_F(SmartSurfaceTest, ClearDetachesFromTheLastAndEndsWithOneFrame) {
    addPQR();
    BackgroundTaskCounter background;
    surface->clear();
    EXPECT_EQ(log, (Log{"removed r", "removed q", "removed p", "surface redraw"}));
    EXPECT_EQ(Ubound(surface->sprites), 0);
    EXPECT_TRUE(surface->attached().empty());
    EXPECT_EQ(background.calls(), 3u);

    log.clear();
    surface->clear(); // already empty: still one frame
    EXPECT_EQ(log, (Log{"surface redraw"}));
}

TEST_F(SmartSurfaceTest, FrameCallsEveryAnimalInListOrderThenTheSurface) {
    addPQR();
    BackgroundTaskCounter background;
    surface->Update();
    EXPECT_EQ(log, (Log{"redraw p", "redraw q", "redraw r", "surface redraw"}));
    EXPECT_EQ(background.calls(), 3u);
}

TEST_F(SmartSurfaceTest, EmptySurfaceFrameStillCallsTheSurfaceRedraw) {
    surface->Update();
    EXPECT_EQ(log, (Log{"surface redraw"}));
}

TEST_F(SmartSurfaceTest, AnimalAttachedDuringTheFrameWaitsForTheNext) {
    addPQR();
    std::shared_ptr<SpySprite> baby;
    p->onRedraw = [&](smartSurface& s) {
        if (baby) return;
        baby = std::make_shared<SpySprite>("baby", log, 0, 60);
        s.doAttach(baby);
    };
    surface->Update();
    EXPECT_EQ(log, (Log{"redraw p", "added baby", "redraw q", "redraw r", "surface redraw"}));
    log.clear();
    surface->Update();
    EXPECT_EQ(log, (Log{"redraw p", "redraw q", "redraw r", "redraw baby", "surface redraw"}));
}

TEST_F(SmartSurfaceTest, ContactCallsFirstAnimalThenSecondThenSurface) {
    auto a = add("a", 10, 10);
    auto far = add("far", 80, 80);
    auto b = add("b", 15, 15); // overlaps a
    log.clear();
    surface->Update();
    EXPECT_EQ(log, (Log{"redraw a", "redraw far", "redraw b", "surface redraw", "collision a-b",
                        "collision b-a", "surface collision a-b"}));
}

struct WithinCase {
    int x, y;
    bool inside;
};

class SurfaceWithin : public ::testing::TestWithParam<WithinCase> {};

// Left 16, Width 256, Top 265, Height 184: the edges themselves are outside.
TEST_P(SurfaceWithin, IsStrictOnAllFourEdges) {
    Log log;
    SpySurface s(log);
    s.setLeft(16);
    s.setTop(265);
    s.setWidth(256);
    s.setHeight(184);
    EXPECT_EQ(s.within(GetParam().x, GetParam().y), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Borders, SurfaceWithin,
                         ::testing::Values(WithinCase{16, 300, false}, WithinCase{17, 300, true},
                                           WithinCase{271, 300, true}, WithinCase{272, 300, false},
                                           WithinCase{100, 265, false}, WithinCase{100, 266, true},
                                           WithinCase{100, 448, true},
                                           WithinCase{100, 449, false}));

TEST_F(SmartSurfaceTest, DetachedAnimalHeldByNobodyIsFreed) {
    addPQR();
    std::weak_ptr<SpySprite> watch = q;
    q.reset();
    surface->doDetach(2);
    EXPECT_TRUE(watch.expired());
}

TEST_F(SmartSurfaceTest, AnimalsDoNotKeepTheirSurfaceAlive) {
    addPQR();
    std::weak_ptr<SpySurface> watch = surface;
    surface.reset();
    EXPECT_TRUE(watch.expired());
    EXPECT_EQ(p->surface(), nullptr);
}

TEST_F(SmartSurfaceTest, AttachingAnAnimalOfAnotherSurfaceMovesItThere) {
    addPQR();
    Log otherLog;
    auto other = std::make_shared<SpySurface>(otherLog);
    other->doAttach(q);
    EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "p", "r"}));
    EXPECT_EQ(log, (Log{"removed q"}));
    EXPECT_EQ(names(*other), (std::vector<std::string>{"-", "q"}));
    EXPECT_EQ(q->surface(), other.get());

    other->doAttach(q); // already there: no second entry
    EXPECT_EQ(names(*other), (std::vector<std::string>{"-", "q"}));
    other->doAttach(nullptr);
    EXPECT_EQ(Ubound(other->sprites), 1);
}

TEST_F(SmartSurfaceTest, DetachOutsideTheListIsAProgrammingError) {
    addPQR();
    for (int32_t index : {0, -1, 4}) {
#ifdef NDEBUG
        surface->doDetach(index);
        EXPECT_EQ(names(*surface), (std::vector<std::string>{"-", "p", "q", "r"})) << index;
        EXPECT_TRUE(log.empty()) << index;
#else
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_DEATH(surface->doDetach(index), "doDetach") << index;
#endif
    }
}

} // namespace
