#include "platform/Color.h"
#include "platform/Picture.h"
#include "platform/SpriteSurface.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>

namespace {

using SpritePtr = SpriteSurface::SpritePtr;

struct Named : Sprite {
    std::string name;
};

const std::string& nameOf(const SpritePtr& s) { return static_cast<const Named&>(*s).name; }

std::shared_ptr<Picture> solid(int w, int h, Color c = {255, 0, 0}) {
    auto p = NewPicture(w, h);
    p->Graphics().ForeColor = c;
    p->Graphics().FillRect(0, 0, w, h);
    return p;
}

std::shared_ptr<Picture> disc(int size) {
    auto p = NewPicture(size, size);
    p->Graphics().FillOval(0, 0, size, size);
    return p;
}

std::shared_ptr<Named> sprite(const std::string& name, std::shared_ptr<Picture> image, int group,
                              int x, int y) {
    auto s = std::make_shared<Named>();
    s->name = name;
    s->Image = std::move(image);
    s->Group = group;
    s->X = x;
    s->Y = y;
    return s;
}

// A surface whose events are written to a log ("frame", "a-b") and can run extra steps.
class SurfaceTest : public testing::Test {
  protected:
    void SetUp() override {
        surface->setWidth(100);
        surface->setHeight(80);
        surface->NextFrame = [this] {
            log.push_back("frame");
            if (onFrame) onFrame();
        };
        surface->Collision = [this](const SpritePtr& a, const SpritePtr& b) {
            log.push_back(nameOf(a) + "-" + nameOf(b));
            if (onCollision) onCollision(a, b);
        };
    }

    // A 10 x 10 opaque block, attached.
    std::shared_ptr<Named> add(const std::string& name, int x, int y, int group = -1) {
        auto s = sprite(name, solid(10, 10), group, x, y);
        surface->Attach(s);
        return s;
    }

    // The log of one Update.
    std::vector<std::string> frame() {
        log.clear();
        surface->Update();
        return log;
    }

    std::shared_ptr<SpriteSurface> surface = std::make_shared<SpriteSurface>();
    std::vector<std::string> log;
    std::function<void()> onFrame;
    std::function<void(const SpritePtr&, const SpritePtr&)> onCollision;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(SurfaceTest, UpdateRaisesNextFrameOnceThenEachTouchingPairInAttachOrder) {
    // Attach order p, q, r, far; on the surface r lies leftmost and p rightmost.
    add("p", 20, 0);
    add("q", 15, 5);
    add("r", 12, 2);
    add("far", 60, 60);
    EXPECT_EQ(frame(), (Log{"frame", "p-q", "p-r", "q-r"}));
    EXPECT_EQ(frame(), (Log{"frame", "p-q", "p-r", "q-r"}));
    // An empty surface still has its frame.
    SpriteSurface empty;
    int frames = 0;
    empty.NextFrame = [&] { ++frames; };
    empty.Update();
    EXPECT_EQ(frames, 1);
}

TEST_F(SurfaceTest, ContactsAreJudgedOnThePositionsAfterNextFrame) {
    auto a = add("a", 0, 0);
    auto b = add("b", 50, 50);
    onFrame = [&] { b->X = 5, b->Y = 5; };
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));
    onFrame = [&] { b->X = 10; }; // now only edge to edge: no shared pixel
    EXPECT_EQ(frame(), (Log{"frame"}));
    onFrame = [&] { b->X = 9, b->Y = -9; }; // one shared pixel, at a's top-right corner
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));
}

TEST(SpriteGroups, ZeroNeverNegativeWithAllNonZeroPositiveOnlyWithOthers) {
    struct Case {
        int a, b;
        bool collide;
    } cases[] = {
        {0, 0, false}, {0, -1, false}, {0, 1, false}, {-1, -1, true}, {-1, -2, true},
        {-1, 1, true}, {1, -3, true},  {1, 1, false}, {1, 2, true},   {7, 3, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << k.a << " with " << k.b);
        EXPECT_EQ(GroupsCollide(k.a, k.b), k.collide);
        EXPECT_EQ(GroupsCollide(k.b, k.a), k.collide);
        SpriteSurface surface;
        surface.Attach(sprite("a", solid(5, 5), k.a, 0, 0));
        surface.Attach(sprite("b", solid(5, 5), k.b, 2, 2));
        EXPECT_EQ(surface.contacts().size(), k.collide ? 1u : 0u);
    }
}

TEST_F(SurfaceTest, TouchingMeansOpaquePixelsOverlap) {
    // Discs whose boxes overlap at the corners only.
    auto a = sprite("a", disc(13), -1, 0, 0);
    auto b = sprite("b", disc(13), -1, 11, 11);
    surface->Attach(a);
    surface->Attach(b);
    EXPECT_EQ(frame(), (Log{"frame"}));
    b->X = b->Y = 6;
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));

    // With Transparent = 1 white pixels do not count: red dots in white squares, whose
    // boxes overlap but whose dots do not.
    auto dotted = [] {
        auto p = solid(10, 10, {255, 255, 255});
        p->Graphics().ForeColor = {255, 0, 0};
        p->Graphics().FillRect(0, 0, 2, 2);
        p->Transparent = 1;
        return p;
    };
    a->Image = dotted();
    b->Image = dotted();
    b->X = b->Y = 5;
    EXPECT_EQ(frame(), (Log{"frame"}));
    a->Image->Transparent = 0; // a's white now touches b's dot
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));
}

TEST_F(SurfaceTest, SpriteAttachedDuringCollisionTakesPartFromTheNextFrame) {
    add("a", 0, 0);
    add("b", 5, 0);
    bool attached = false;
    onCollision = [&](const SpritePtr&, const SpritePtr&) {
        if (!attached) add("n", 2, 2), attached = true;
    };
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));
    EXPECT_EQ(frame(), (Log{"frame", "a-b", "a-n", "b-n"}));
}

TEST_F(SurfaceTest, SpriteClosedDuringNextFrameIsNotReportedAndCanBeAttachedAgain) {
    auto a = add("a", 0, 0);
    add("b", 3, 3);
    add("c", 6, 6);
    onFrame = [&] { a->Close(); };
    EXPECT_EQ(frame(), (Log{"frame", "b-c"}));
    EXPECT_EQ(a->surface(), nullptr);
    EXPECT_EQ(a->X, 0);
    EXPECT_EQ(a->Y, 0);
    EXPECT_NE(a->Image, nullptr);
    a->Close(); // closing a closed sprite does nothing
    onFrame = nullptr;
    surface->Attach(a); // now the last in attach order
    EXPECT_EQ(a->surface(), surface.get());
    EXPECT_EQ(frame(), (Log{"frame", "b-c", "b-a", "c-a"}));
}

TEST_F(SurfaceTest, SpriteHeldOnlyByTheSurfaceMayCloseItselfDuringNextFrame) {
    std::weak_ptr<Named> weak = add("a", 0, 0);
    add("b", 3, 3);
    onFrame = [&] {
        if (auto a = weak.lock()) {
            Sprite* raw = a.get();
            a.reset();
            raw->Close(); // the surface drops its reference inside Close
        }
    };
    EXPECT_EQ(frame(), (Log{"frame"}));
    EXPECT_TRUE(weak.expired());
}

TEST_F(SurfaceTest, SpriteClosedDuringCollisionIsNotReportedAgainInThatFrame) {
    add("a", 0, 0);
    auto b = add("b", 3, 3);
    auto c = add("c", 6, 6);
    onCollision = [&](const SpritePtr& x, const SpritePtr&) {
        if (nameOf(x) == "a" && c->surface()) c->Close();
    };
    EXPECT_EQ(frame(), (Log{"frame", "a-b"}));

    // Closed and attached again inside the frame: new to the surface, so left out until
    // the next frame, whether it would come first or second in a pair.
    surface->Attach(c);
    onCollision = [&](const SpritePtr& x, const SpritePtr& y) {
        if (nameOf(x) == "a" && nameOf(y) == "b") b->Close(), surface->Attach(b);
    };
    EXPECT_EQ(frame(), (Log{"frame", "a-b", "a-c"})); // b-c left out; now a, c, b
    onCollision = [&](const SpritePtr& x, const SpritePtr& y) {
        if (nameOf(x) == "a" && nameOf(y) == "c") b->Close(), surface->Attach(b);
    };
    EXPECT_EQ(frame(), (Log{"frame", "a-c"})); // a-b and c-b left out
    onCollision = nullptr;
    EXPECT_EQ(frame(), (Log{"frame", "a-c", "a-b", "c-b"}));
}

TEST_F(SurfaceTest, AttachKeepsOneEntryPerSpriteAndMovesItBetweenSurfaces) {
    auto a = add("a", 0, 0);
    surface->Attach(a);
    surface->Attach(nullptr);
    EXPECT_EQ(surface->attached().size(), 1u);
    SpriteSurface other;
    other.Attach(a);
    EXPECT_TRUE(surface->attached().empty());
    EXPECT_EQ(a->surface(), &other);
    {
        SpriteSurface shortLived;
        shortLived.Attach(a);
        EXPECT_TRUE(other.attached().empty());
    }
    // Its surface is gone: the sprite is on none and can go on another.
    EXPECT_EQ(a->surface(), nullptr);
    a->Close();
    surface->Attach(a);
    EXPECT_EQ(surface->attached().size(), 1u);
}

TEST_F(SurfaceTest, SpritesWithoutPixelsNeverTouch) {
    add("a", 0, 0);
    surface->Attach(sprite("none", nullptr, -1, 0, 0));
    surface->Attach(sprite("empty", NewPicture(0, 0), -1, 0, 0));
    surface->Attach(sprite("clear", NewPicture(10, 10), -1, 0, 0)); // nothing drawn
    add("ghost", 0, 0, /*group=*/0);
    EXPECT_EQ(frame(), (Log{"frame"}));
    EXPECT_EQ(surface->Snapshot()->Pixel(0, 0), 0xFFFF0000u); // drawn, all the same
}

TEST_F(SurfaceTest, PositionsNearTheIntegerLimitsAreHandled) {
    add("a", INT_MAX - 5, INT_MAX - 5);
    add("b", INT_MAX - 3, INT_MAX - 3);
    add("c", INT_MIN, INT_MIN);
    add("d", INT_MIN + 9, INT_MIN + 9);
    EXPECT_EQ(frame(), (Log{"frame", "a-b", "c-d"}));
    auto snap = surface->Snapshot();
    EXPECT_EQ(snap->Pixel(0, 0), 0xFFFFFFFFu); // none of them on the surface
}

TEST_F(SurfaceTest, HandlersMayReenterUpdateDropTheSurfaceOrThrow) {
    add("a", 0, 0);
    add("b", 3, 3);
    add("c", 6, 6);
    // A nested frame from inside Collision runs whole; the outer one then goes on.
    int depth = 0;
    onCollision = [&](const SpritePtr&, const SpritePtr&) {
        if (depth++ == 0) surface->Update();
    };
    EXPECT_EQ(frame(), (Log{"frame", "a-b", "frame", "a-b", "a-c", "b-c", "a-c", "b-c"}));

    // An exception from a handler leaves the surface as it was.
    onCollision = [](const SpritePtr&, const SpritePtr&) { throw std::runtime_error("x"); };
    EXPECT_THROW(surface->Update(), std::runtime_error);
    onCollision = nullptr;
    EXPECT_EQ(frame(), (Log{"frame", "a-b", "a-c", "b-c"}));

    // The last reference to the surface dropped mid-frame: the frame still ends safely.
    std::weak_ptr<SpriteSurface> watch = surface;
    auto* raw = surface.get();
    onCollision = [&](const SpritePtr&, const SpritePtr&) { surface.reset(); };
    log.clear();
    raw->Update();
    EXPECT_EQ(log, (Log{"frame", "a-b", "a-c", "b-c"}));
    EXPECT_TRUE(watch.expired());
}

TEST(ImagesOverlap, AgreesWithAPixelByPixelCheck) {
    // Sparse random images up to 200 pixels wide (several words per row), a few short runs
    // of opaque pixels each, at positions on both sides of zero, against the plain
    // definition.
    std::mt19937 rng(20240611);
    auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto randomImage = [&] {
        auto p = NewPicture(uniform(1, 200), uniform(1, 3));
        int runs = uniform(0, 8);
        for (int i = 0; i < runs; ++i)
            p->Graphics().FillRect(uniform(0, p->Width() - 1), uniform(0, p->Height() - 1),
                                   uniform(1, 32), 1);
        return p;
    };
    auto reference = [](const Picture& a, int ax, int ay, const Picture& b, int bx, int by) {
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if ((a.Pixel(x, y) >> 24) && (b.Pixel(ax + x - bx, ay + y - by) >> 24)) return true;
        return false;
    };
    int touching = 0;
    for (int i = 0; i < 400; ++i) {
        auto a = randomImage(), b = randomImage();
        const int ax = uniform(-300, 300), ay = uniform(-3, 3);
        const int bx = ax + uniform(-b->Width(), a->Width()), by = ay + uniform(-1, 1);
        const bool want = reference(*a, ax, ay, *b, bx, by);
        SCOPED_TRACE(testing::Message()
                     << a->Width() << "@" << ax << " " << b->Width() << "@" << bx);
        EXPECT_EQ(ImagesOverlap(*a, ax, ay, *b, bx, by), want);
        EXPECT_EQ(ImagesOverlap(*b, bx, by, *a, ax, ay), want);
        touching += want;
    }
    EXPECT_GT(touching, 40); // the sample holds both outcomes
    EXPECT_LT(touching, 360);

    // One pixel at column 130 of a wide image, met from each side of a word boundary.
    auto wide = NewPicture(150, 1);
    wide->Graphics().FillRect(130, 0, 1, 1);
    auto dot = solid(1, 1);
    for (int origin : {-200, -130, 0, 37}) {
        for (int offset : {63, 64, 65, 127, 128, 129, 130, 131}) {
            SCOPED_TRACE(testing::Message() << origin << " + " << offset);
            EXPECT_EQ(ImagesOverlap(*wide, origin, 0, *dot, origin + offset, 0), offset == 130);
            EXPECT_EQ(ImagesOverlap(*dot, origin + offset, 0, *wide, origin, 0), offset == 130);
        }
    }
}

TEST(SpriteSurfacePainting, BackdropTiledThenSpritesInAttachOrderClippedToTheSurface) {
    auto tileColor = [](int x, int y) {
        return Color{uint8_t(40 * x + 10), uint8_t(80 * y + 20), 100};
    };
    auto tile = NewPicture(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            tile->Graphics().ForeColor = tileColor(x, y);
            tile->Graphics().FillRect(x, y, 1, 1);
        }
    auto rgb = [](Color c) { return 0xFF000000u | c.red << 16 | c.green << 8 | c.blue; };

    SpriteSurface surface;
    surface.setWidth(10);
    surface.setHeight(7);
    surface.Backdrop = tile;
    auto snap = surface.Snapshot();
    ASSERT_EQ(snap->Width(), 10);
    ASSERT_EQ(snap->Height(), 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(snap->Pixel(x, y), rgb(tileColor(x % 3, y % 2))) << x << "," << y;

    const Color red{255, 0, 0}, blue{0, 0, 255};
    surface.Attach(sprite("under", solid(4, 4, red), -1, -2, -2));
    surface.Attach(sprite("over", solid(4, 4, blue), -1, 0, 0));
    auto framed = solid(3, 3, {255, 255, 255}); // white inside a red ring
    framed->Graphics().ForeColor = red;
    framed->Graphics().DrawRect(0, 0, 3, 3);
    framed->Transparent = 1;
    surface.Attach(sprite("ring", framed, 1, 8, 5));
    snap = surface.Snapshot();
    EXPECT_EQ(snap->Pixel(0, 0), rgb(blue)); // the later sprite on top
    EXPECT_EQ(snap->Pixel(3, 3), rgb(blue));
    EXPECT_EQ(snap->Pixel(4, 4), rgb(tileColor(1, 0)));
    EXPECT_EQ(snap->Pixel(8, 5), rgb(red));             // the ring, cut at the edges
    EXPECT_EQ(snap->Pixel(9, 6), rgb(tileColor(0, 0))); // its white centre shows through
    EXPECT_EQ(snap->Pixel(7, 5), rgb(tileColor(1, 1)));

    // No backdrop: a white ground. A backdrop with see-through pixels shows white there.
    surface.Backdrop = nullptr;
    EXPECT_EQ(surface.Snapshot()->Pixel(5, 5), 0xFFFFFFFFu);
    surface.Backdrop = NewPicture(10, 10);
    EXPECT_EQ(surface.Snapshot()->Pixel(5, 5), 0xFFFFFFFFu);
    surface.Backdrop = NewPicture(0, 0);
    EXPECT_EQ(surface.Snapshot()->Pixel(5, 5), 0xFFFFFFFFu);
    surface.setWidth(0);
    EXPECT_EQ(surface.Snapshot()->Width(), 0);
}

TEST(SpriteSurfaceProperties, FrameSpeedAndClickToStopAreSettableByName) {
    SpriteSurface surface;
    EXPECT_TRUE(surface.SetProperty("FrameSpeed", PropertyValue{int32_t(2)}));
    EXPECT_TRUE(surface.SetProperty("clicktostop", PropertyValue{true}));
    EXPECT_FALSE(surface.SetProperty("FrameSpeed", PropertyValue{true}));
    EXPECT_TRUE(surface.SetProperty("Width", PropertyValue{int32_t(256)}));
    EXPECT_EQ(surface.FrameSpeed, 2);
    EXPECT_TRUE(surface.ClickToStop);
    EXPECT_EQ(surface.Width(), 256);
}
