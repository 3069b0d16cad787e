// The where-to dialog: a pool's Clear button hands the pool over, and Okay moves its animals
// into a pond (the same objects, a still frame of the pond) or dumps them.
#include "tests/app/AppTestSupport.h"

#include "app/dialogs/WindowWhereTo.h"
#include "model/critterSprite.h"
#include "model/smartSprite.h"
#include "model/wormSprite.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* kDialog = "WindowWhereTo.WindowWhereTo";
bool dialogOpen() { return GetImplicitWindow(kDialog) != nullptr; }

class WhereToTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        scope = std::make_unique<ScopedRandomSource>(std::make_shared<SeededRandom>(7));
        main = WindowMain();
        main->Show();
    }
    void TearDown() override {
        main.reset();
        AppTest::TearDown();
        scope.reset();
    }

    // An animal set up for the surface, then put at (x, y) of it.
    template <class S>
    std::shared_ptr<S> put(int32_t surface, int x, int y, std::function<void(S&)> setUp = {}) {
        auto s = main->popSurfaces(surface);
        auto a = std::make_shared<S>();
        a->prepare(*s);
        a->X = x;
        a->Y = y;
        if (setUp) setUp(*a);
        s->doAttach(a);
        main->UpdateSizes();
        return a;
    }
    std::shared_ptr<critterSprite> tadpole(int32_t surface, int x, int y) {
        return put<critterSprite>(surface, x, y);
    }
    std::shared_ptr<critterSprite> frog(int32_t surface, int x, int y, int32_t age = 80) {
        return put<critterSprite>(surface, x, y, [age](critterSprite& c) {
            c.age = age;
            c.Image = c.iAdult;
            c.phenotype = "frog";
            c.TimeSinceRepro = 40;
        });
    }
    std::shared_ptr<wormSprite> worm(int32_t surface, int x, int y) {
        return put<wormSprite>(surface, x, y);
    }

    // The pool's Clear button, clicked; the dialog it shows.
    std::shared_ptr<class WindowWhereTo> clear(int32_t pool) {
        uitest::Click(*main->PushButtonClear(pool));
        EXPECT_TRUE(dialogOpen());
        return WindowWhereTo();
    }
    static void choose(class WindowWhereTo& d, int32_t destination) {
        uitest::Click(*d.RadioButtonDestination(destination));
    }

    std::shared_ptr<class WindowMain> main;
    std::unique_ptr<ScopedRandomSource> scope;
};

} // namespace

TEST_F(WhereToTest, BuildsTheDestinationsInTheOrderDumpTopBottom) {
    auto d = WindowWhereTo();
    d->Show();
    EXPECT_EQ(d->Title, "");
    EXPECT_EQ(d->Width(), 356);
    EXPECT_EQ(d->Height(), 147);
    EXPECT_EQ(d->Frame, 2);

    struct Row {
        std::string name;
        int32_t index;
        int left, top, width, height;
        std::string shown;
    };
    const std::vector<Row> rows = {
        {"StaticText1", Control::NoIndex, 25, 26, 180, 27, "Where should the frogs go?"},
        {"RadioButtonDestination", 2, 212, 14, 104, 20, "Dump them"},
        {"RadioButtonDestination", 0, 212, 36, 104, 20, "Top pond"},
        {"RadioButtonDestination", 1, 212, 59, 104, 20, "Bottom pond"},
        {"PushButtonOkay", Control::NoIndex, 253, 101, 69, 20, "Okay"},
        {"PushButtonCancel", Control::NoIndex, 164, 101, 69, 20, "Cancel"},
    };
    ASSERT_EQ(d->Controls().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].shown);
        auto c = std::dynamic_pointer_cast<RectControl>(d->Controls()[i]);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->Name, rows[i].name);
        EXPECT_EQ(c->Index, rows[i].index);
        EXPECT_EQ((std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::vector<int>{rows[i].left, rows[i].top, rows[i].width, rows[i].height}));
        EXPECT_EQ(uitest::ShownText(*c), rows[i].shown);
        EXPECT_TRUE(c->Visible());
    }
    // Member 0 is the second one built, and every member is of the array's class.
    EXPECT_EQ(d->RadioButtonDestination(0), d->Controls()[2]);
    EXPECT_TRUE(d->PushButtonOkay()->Default);
    EXPECT_FALSE(d->PushButtonCancel()->Default);
}

TEST_F(WhereToTest, EveryNewDialogStartsOnDumpThem) {
    tadpole(2, 10, 10);
    auto d = clear(2);
    EXPECT_TRUE(d->RadioButtonDestination(2)->Value());
    choose(*d, 0);
    ASSERT_TRUE(d->RadioButtonDestination(0)->Value());
    ASSERT_FALSE(d->RadioButtonDestination(2)->Value());
    uitest::Click(*d->PushButtonCancel());

    auto again = clear(2);
    EXPECT_NE(again, d);
    EXPECT_EQ((std::vector<bool>{again->RadioButtonDestination(0)->Value(),
                                 again->RadioButtonDestination(1)->Value(),
                                 again->RadioButtonDestination(2)->Value()}),
              (std::vector<bool>{false, false, true}));
}

// A tadpole, a frog and a worm from the upper left pool into a bottom pond that already
// holds its breeding cap: the very same animals join it, each at its offset from the
// corner, in reverse order, and the move is not limited by the cap.
TEST_F(WhereToTest, MovesEveryAnimalOfThePoolIntoTheChosenPondPastItsCap) {
    auto pond = main->popSurfaces(1);
    StockCritters(*pond, Globals::MaxNumCritters[1]);
    // Old ones would leave in the pond's still frame; keep the count exact.
    for (std::size_t i = 1; i < pond->sprites.size(); ++i)
        if (auto c = std::dynamic_pointer_cast<critterSprite>(pond->sprites[i])) c->age %= 150;
    main->UpdateSizes();
    ASSERT_EQ(main->StaticTextPopSize(1)->Text(), "85");

    auto t = tadpole(2, 5, 6);
    auto f = frog(2, 40, 30);
    auto w = worm(2, 90, 70);
    const std::vector<std::shared_ptr<Picture>> pictures = {t->Image, f->Image, w->Image};
    ASSERT_EQ(main->StaticTextPopSize(2)->Text(), "2");
    const auto agesBefore = std::vector<int32_t>{t->age, f->age};

    auto d = clear(2);
    EXPECT_EQ(main->fromPond, 2);
    choose(*d, 1);
    uitest::Click(*d->PushButtonOkay());

    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(main->fromPond, -1);
    EXPECT_EQ(Ubound(main->popSurfaces(2)->sprites), 0);
    EXPECT_EQ(main->StaticTextPopSize(2)->Text(), "0");
    EXPECT_EQ(main->StaticTextPopSize(1)->Text(), "87");
    EXPECT_EQ(pond->numWorms, 1);

    const auto& list = pond->sprites;
    ASSERT_EQ(list.size(), 1u + 85u + 3u);
    EXPECT_EQ((std::vector<std::shared_ptr<smartSprite>>(list.end() - 3, list.end())),
              (std::vector<std::shared_ptr<smartSprite>>{w, f, t}));
    EXPECT_EQ((std::vector<std::shared_ptr<Picture>>{t->Image, f->Image, w->Image}), pictures);
    EXPECT_EQ((std::vector<int>{t->X, t->Y, f->X, f->Y, w->X, w->Y}),
              (std::vector<int>{5, 6, 40, 30, 90, 70}));
    EXPECT_EQ((std::vector<int32_t>{t->age, f->age}), agesBefore);

    // From the next day on the worm swims in the bottom pond.
    const double x = w->xLoc, y = w->yLoc;
    main->TimerMain_Action(*main->TimerMain());
    EXPECT_EQ(w->surface(), pond.get());
    EXPECT_NE(std::make_pair(x, y), std::make_pair(w->xLoc, w->yLoc));
}

// The pond's forced frame still removes the too old and exposes a tadpole a worm touches,
// but nothing moves, ages or is born in it.
TEST_F(WhereToTest, TheForcedFrameOfThePondRemovesTheOldAndExposesButNothingMoves) {
    auto old = frog(4, 10, 10, Globals::Lifespan + 1);
    auto t = tadpole(4, 50, 40);
    auto w = worm(4, 50, 40);
    auto a = frog(4, 80, 60);
    auto b = frog(4, 80, 60);
    ASSERT_FALSE(t->exposed);

    auto d = clear(4);
    choose(*d, 0);
    uitest::Click(*d->PushButtonOkay());

    auto pond = main->popSurfaces(0);
    EXPECT_EQ(old->surface(), nullptr);
    EXPECT_TRUE(t->exposed);
    EXPECT_EQ(pond->numCritters, 3);
    EXPECT_EQ(main->StaticTextPopSize(0)->Text(), "3");
    EXPECT_EQ((std::vector<int>{t->X, t->Y, a->X, a->Y, t->age, a->age}),
              (std::vector<int>{50, 40, 80, 60, 0, 80}));
    EXPECT_EQ(main->StaticTextPopSize(4)->Text(), "0");
}

TEST_F(WhereToTest, DumpTakesThePoolsAnimalsOutOfTheSimulation) {
    const std::vector<std::shared_ptr<smartSprite>> animals = {tadpole(3, 5, 5), frog(3, 30, 30),
                                                               worm(3, 60, 20)};
    auto d = clear(3);
    uitest::Click(*d->PushButtonOkay());

    EXPECT_FALSE(dialogOpen());
    EXPECT_EQ(main->fromPond, -1);
    EXPECT_EQ(Ubound(main->popSurfaces(3)->sprites), 0);
    EXPECT_EQ(main->StaticTextPopSize(3)->Text(), "0");
    for (int32_t i = 0; i <= 5; ++i)
        EXPECT_EQ(main->popSurfaces(i)->numWorms, 0);
    for (const auto& a : animals)
        EXPECT_EQ(a->surface(), nullptr);
}

TEST_F(WhereToTest, CancelResetsTheHandOverAndTheCloseBoxKeepsIt) {
    const std::vector<std::tuple<std::string, std::function<void(class WindowWhereTo&)>, int32_t>>
        ways = {
            {"Cancel", [](auto& d) { uitest::Click(*d.PushButtonCancel()); }, -1},
            {"close box", [](auto& d) { d.Close(); }, 5},
        };
    auto f = frog(5, 20, 20);
    for (const auto& [way, close, fromPond] : ways) {
        SCOPED_TRACE(way);
        auto d = clear(5);
        choose(*d, 1);
        close(*d);
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(main->fromPond, fromPond);
        EXPECT_EQ(f->surface(), main->popSurfaces(5).get());
        EXPECT_EQ(main->StaticTextPopSize(5)->Text(), "1");
    }
}

// Okay with no pool handed over touches no surface, whatever the choice: not the ponds
// (which "Dump them" would empty), not a surface that does not exist.
TEST_F(WhereToTest, OkayWithoutAPoolHandedOverMovesNothing) {
    for (int32_t s = 0; s <= 5; ++s)
        frog(s, 20, 20);
    for (int32_t fromPond : {-1, 0, 1, 6, -2147483647 - 1}) {
        SCOPED_TRACE(fromPond);
        std::vector<std::vector<std::shared_ptr<smartSprite>>> before;
        for (int32_t s = 0; s <= 5; ++s)
            before.push_back(main->popSurfaces(s)->sprites);
        main->fromPond = fromPond;
        auto d = WindowWhereTo();
        d->Show();
        uitest::Click(*d->PushButtonOkay());
        EXPECT_FALSE(dialogOpen());
        EXPECT_EQ(main->fromPond, -1);
        for (int32_t s = 0; s <= 5; ++s)
            EXPECT_EQ(main->popSurfaces(s)->sprites, before[s]);
    }
    EXPECT_TRUE(boxes.texts.empty());
}

// The main window closed while the dialog waits: Okay finds the rebuilt one, which hands
// over no pool.
TEST_F(WhereToTest, OkayAfterTheMainWindowWasRebuiltClosesQuietly) {
    tadpole(2, 10, 10);
    auto d = clear(2);
    choose(*d, 0);
    main->Close();
    main.reset();

    d->PushButtonOkay_Action(*d->PushButtonOkay());

    EXPECT_FALSE(dialogOpen());
    auto rebuilt = WindowMain();
    EXPECT_EQ(rebuilt->fromPond, -1);
    for (int32_t s = 0; s <= 5; ++s)
        EXPECT_EQ(Ubound(rebuilt->popSurfaces(s)->sprites), 0);
}
