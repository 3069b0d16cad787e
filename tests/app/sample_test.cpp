// The sample dialog: frogs drawn with replacement from the main window's ponds, counted by
// their five legs or compared as a relative risk, and the dialog's remembered position.
#include "tests/app/AppTestSupport.h"

#include "app/dialogs/WindowSample.h"
#include "model/critterSprite.h"
#include "model/wormSprite.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

#include <string>
#include <vector>

namespace {

const std::string CR = "\r";

class SampleTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        setUpDraws = std::make_unique<ScopedRandomSource>(std::make_shared<SeededRandom>(11));
        main = WindowMain();
    }
    void TearDown() override {
        main.reset();
        AppTest::TearDown();
        setUpDraws.reset();
    }

    // Stocks a pond from a pattern, one animal per letter in list order: F a five-legged
    // frog, f a normal frog, e a grown critter whose metamorphosis found no scenario (empty
    // phenotype), t a tadpole, w a worm.
    void stock(int32_t pond, const std::string& pattern) {
        auto s = main->popSurfaces(pond);
        int x = 10;
        for (char kind : pattern) {
            std::shared_ptr<smartSprite> animal;
            if (kind == 'w') {
                auto w = std::make_shared<wormSprite>();
                w->prepare(*s);
                animal = w;
            } else {
                auto c = std::make_shared<critterSprite>();
                c->prepare(*s);
                if (kind != 't') {
                    c->age = 80;
                    c->Image = c->iAdult;
                    c->phenotype = kind == 'F' ? "fivelegs" : kind == 'f' ? "frog" : "";
                }
                animal = c;
            }
            animal->X = x;
            animal->Y = 40;
            x += 20;
            s->doAttach(animal);
        }
    }

    // Presses Sample on a dialog set to the pond choice and the typed number (under the
    // caller's replay of draws); returns the result label's text.
    std::string sample(int choice, const std::string& typed) {
        auto d = WindowSample();
        d->PopupMenuPond()->setListIndex(choice);
        d->EditFieldNumFrogs()->setText(typed);
        d->PushButtonSample()->Push();
        return d->StaticTextResult()->Text();
    }

    static std::string countText(const char* pond, int k, const std::string& typed) {
        return std::string("In ") + pond + " pond " + std::to_string(k) + " of " + typed +
               " frogs" + CR + "has five legs.";
    }
    static std::string rrText(const std::string& rr) {
        return "In top pond versus bottom pond, the relative risk of five legs is " + rr + ".";
    }

    std::shared_ptr<class WindowMain> main;
    std::unique_ptr<ScopedRandomSource> setUpDraws;
};

constexpr int Top = 0, Bottom = 1, Both = 2;

} // namespace

// With three animals the index is Round(r * 2) + 1, so r = 0 takes the first, 0.5 the
// second and 0.9 the third.
TEST_F(SampleTest, TopPondDrawsExactlyTheFrogsAskedForAndCountsFiveLegs) {
    stock(Top, "Fff");
    stock(Bottom, "FFF");
    std::vector<double> r;
    for (int k = 0; k < 20; ++k)
        r.push_back(k % 4 == 0 ? 0.0 : (k % 2 ? 0.5 : 0.9)); // 5 of 20 hit the five-legged one
    Replay draws(r);
    EXPECT_EQ(sample(Top, "20"), countText("top", 5, "20"));
    EXPECT_EQ(draws.drawn(), 20u);                     // and none from the bottom pond
    EXPECT_EQ(main->popSurfaces(Top)->numCritters, 3); // nothing taken out
}

TEST_F(SampleTest, BottomPondIsSampledAloneWhenChosen) {
    stock(Top, "FFF");
    stock(Bottom, "fFf");
    Replay draws({0.5, 0.0, 0.5});
    EXPECT_EQ(sample(Bottom, "3"), countText("bottom", 2, "3"));
    EXPECT_EQ(draws.drawn(), 3u);
}

// The number is the count of whole numbers from 1 up to it; the text quotes it as typed.
TEST_F(SampleTest, TypedNumberDecidesHowManyFrogsAndIsQuotedAsTyped) {
    stock(Top, "FF");
    stock(Bottom, "FF");
    struct Case {
        std::string typed;
        std::size_t frogs;
    };
    for (const Case& c : std::vector<Case>{{"2.5", 2},
                                           {" 3 frogs", 3},
                                           {"1", 1},
                                           {"0", 0},
                                           {"0.9", 0},
                                           {"-4", 0},
                                           {"-1e400", 0},
                                           {"", 0},
                                           {"abc", 0}}) {
        for (int choice : {Top, Bottom}) {
            Replay draws(std::vector<double>(c.frogs, 0.0));
            EXPECT_EQ(sample(choice, c.typed),
                      countText(choice == Top ? "top" : "bottom", int(c.frogs), c.typed))
                << '"' << c.typed << '"';
            EXPECT_EQ(draws.drawn(), c.frogs) << '"' << c.typed << '"';
        }
        // Both ponds get the same number each, the top pond first.
        Replay both(std::vector<double>(2 * c.frogs, 0.0));
        sample(Both, c.typed);
        EXPECT_EQ(both.drawn(), 2 * c.frogs) << '"' << c.typed << '"';
    }
}

// Over draws spread evenly across [0, 1), the ends of a three-frog list come a quarter of
// the time each and the middle one half of the time.
TEST_F(SampleTest, IndexFavoursTheInnerAnimalsOfTheList) {
    struct Case {
        std::string pond;
        int expected; // of 1000
    };
    for (const Case& c : std::vector<Case>{{"Fff", 250}, {"fFf", 500}, {"ffF", 250}}) {
        main->popSurfaces(Top)->clear();
        stock(Top, c.pond);
        std::vector<double> r;
        for (int k = 0; k < 1000; ++k)
            r.push_back((k + 0.5) / 1000.0);
        Replay draws(r);
        EXPECT_EQ(sample(Top, "1000"), countText("top", c.expected, "1000")) << c.pond;
    }
}

// Worms and tadpoles are passed over, each with a new draw; a critter of no phenotype is
// accepted and not counted.
TEST_F(SampleTest, TadpolesAndWormsArePassedOverWithANewDrawEach) {
    // Five animals: Round(r * 4) + 1 gives 1 for 0, 3 for 0.5 and 5 for 0.99.
    struct Case {
        std::string pond;
        int expected;
    };
    for (const Case& c : std::vector<Case>{{"twFtw", 3}, {"twftw", 0}, {"tweww", 0}}) {
        main->popSurfaces(Top)->clear();
        stock(Top, c.pond);
        // tadpole, worm, the frog; the frog; worm, tadpole, the frog
        Replay draws({0.0, 0.99, 0.5, 0.5, 0.99, 0.0, 0.5});
        EXPECT_EQ(sample(Top, "3"), countText("top", c.expected, "3")) << c.pond;
        EXPECT_EQ(draws.drawn(), 7u) << c.pond;
    }
}

// With two animals the index is Round(r) + 1: r = 0 takes the five-legged first one, 0.9
// the normal second one. The top pond's draws all come before the bottom pond's.
TEST_F(SampleTest, BothPondsGiveTheRelativeRiskRoundedToTwoPlaces) {
    stock(Top, "Ff");
    stock(Bottom, "Ff");
    struct Case {
        std::vector<double> top, bottom;
        std::string rr;
    };
    const double a = 0.0, b = 0.9;
    for (const Case& c : std::vector<Case>{{{a, a, a, b, b}, {a, a, a, a, b}, "0.75"},
                                           {{a, a, b, b, b}, {a, a, a, b, b}, "0.67"},
                                           {{b, b, b, b, b}, {a, a, a, a, a}, "0"},
                                           {{a, a, a, a, b}, {a, b, b, b, b}, "4"},
                                           {{a, a, a, a, a}, {a, a, a, b, b}, "1.67"}}) {
        std::vector<double> r = c.top;
        r.insert(r.end(), c.bottom.begin(), c.bottom.end());
        Replay draws(r);
        EXPECT_EQ(sample(Both, "5"), rrText(c.rr));
        EXPECT_EQ(draws.drawn(), 10u);
    }
}

TEST_F(SampleTest, NoFiveLeggedFrogFromTheBottomPondIsSaidPlainly) {
    stock(Top, "Ff");
    stock(Bottom, "Ff");
    const std::string text =
        "The relative risk cannot be computed: no frog drawn from the bottom pond has five legs.";
    struct Case {
        std::vector<double> r;
        std::string typed;
    };
    for (const Case& c : std::vector<Case>{{{0.0, 0.0, 0.9, 0.9}, "2"}, // 2 against 0
                                           {{0.9, 0.9, 0.9, 0.9}, "2"}, // 0 against 0
                                           {{}, "0"}}) {                // nothing drawn
        Replay draws(c.r);
        const std::string shown = sample(Both, c.typed);
        EXPECT_EQ(shown, text);
        for (const char* bad : {"INF", "inf", "NAN", "nan"})
            EXPECT_EQ(shown.find(bad), std::string::npos);
    }
}

// A chosen pond without a frog to accept would be drawn from for ever: it gets no draw at
// all and the label says so; another chosen pond is sampled as usual.
TEST_F(SampleTest, PondWithoutFrogsIsNotDrawnFromAndSaysSo) {
    const std::string topNone = "The top pond has no frogs to sample.";
    const std::string bottomNone = "The bottom pond has no frogs to sample.";
    struct Case {
        std::string top, bottom;
        int choice;
        std::size_t draws;
        std::string text;
    };
    for (const Case& c : std::vector<Case>{
             {"", "F", Top, 0, topNone},
             {"ttww", "F", Top, 0, topNone},
             {"F", "", Bottom, 0, bottomNone},
             {"F", "tw", Bottom, 0, bottomNone},
             {"tw", "FF", Both, 5, topNone},
             {"FF", "", Both, 5, bottomNone},
             {"", "t", Both, 0, "Neither pond has frogs to sample."},
         }) {
        main->popSurfaces(Top)->clear();
        main->popSurfaces(Bottom)->clear();
        stock(Top, c.top);
        stock(Bottom, c.bottom);
        Replay draws(std::vector<double>(c.draws, 0.0));
        EXPECT_EQ(sample(c.choice, "5"), c.text) << c.top << " / " << c.bottom;
        EXPECT_EQ(draws.drawn(), c.draws) << c.top << " / " << c.bottom;
    }
    // A number below 1 draws nothing anyway and keeps its count of 0.
    main->popSurfaces(Top)->clear();
    Replay none;
    EXPECT_EQ(sample(Top, "0"), countText("top", 0, "0"));
}

TEST_F(SampleTest, NumberPastTheLimitDrawsNothingAndAsksAgain) {
    stock(Top, "Ff");
    stock(Bottom, "Ff");
    const std::string ask = "Please enter a number of frogs up to 1000000.";
    for (const char* typed : {"1000001", "1000000.5", "3e9", "1e400"}) {
        for (int choice : {Top, Bottom, Both}) {
            Replay draws;
            EXPECT_EQ(sample(choice, typed), ask) << typed;
        }
    }
}

TEST_F(SampleTest, AMillionFrogsIsStillSampled) {
    stock(Top, "Ff");
    auto source = std::make_shared<SeededRandom>(3);
    ScopedRandomSource scope(source);
    auto d = WindowSample();
    d->EditFieldNumFrogs()->setText("1000000");
    d->PushButtonSample()->Push();
    const std::string shown = d->StaticTextResult()->Text();
    ASSERT_EQ(shown.rfind("In top pond ", 0), 0u) << shown;
    const int k = std::stoi(shown.substr(12));
    EXPECT_EQ(shown, countText("top", k, "1000000"));
    EXPECT_NEAR(k, 500000, 5000); // Round(r) + 1: each of the two half of the time
}

TEST_F(SampleTest, AnotherPondChoiceDrawsAndWritesNothing) {
    stock(Top, "F");
    auto d = WindowSample();
    d->StaticTextResult()->setText("old");
    d->PopupMenuPond()->setListIndex(-1);
    Replay draws;
    d->PushButtonSample()->Push();
    EXPECT_EQ(d->StaticTextResult()->Text(), "");
}

// The student's way: type the number, pick the ponds, press Return or click Sample.
TEST_F(SampleTest, TypingAndClickingSampleShowsTheResult) {
    stock(Top, "fF");
    stock(Bottom, "fF");
    main->Show();
    auto d = WindowSample();
    d->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
    d->EditFieldNumFrogs()->setText("");
    uitest::Type(*d->EditFieldNumFrogs(), "4");
    {
        Replay draws({0.9, 0.9, 0.0, 0.9});
        uitest::PressReturn(*d); // the default button
        EXPECT_EQ(draws.drawn(), 4u);
    }
    EXPECT_EQ(uitest::ShownText(*d->StaticTextResult()),
              "In top pond 3 of 4 frogs\nhas five legs.");
    d->PopupMenuPond()->setListIndex(Both);
    {
        Replay draws({0.9, 0.9, 0.0, 0.9, 0.9, 0.9, 0.0, 0.0});
        uitest::Click(*d->PushButtonSample());
        EXPECT_EQ(draws.drawn(), 8u);
    }
    EXPECT_EQ(uitest::ShownText(*d->StaticTextResult()), rrText("1.5"));
}

// ---- Remembered position and the menu item ---------------------------------------------

TEST_F(SampleTest, FirstDialogOfARunKeepsItsPlacedPosition) {
    Globals::SampleOldLeft = 500; // stale values, never stored in this run
    Globals::SampleOldTop = 300;
    main->Show();
    auto d = WindowSample();
    d->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
    EXPECT_TRUE(Globals::SampleHasBeenOpen);
    EXPECT_FALSE(d->Left() == 500 && d->Top() == 300);
}

TEST_F(SampleTest, FirstDialogFromTheMenuOpensWhereItsPlacementPutsIt) {
    main->Show();
    auto direct = WindowSample();
    direct->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*direct); }));
    const int left = direct->Left(), top = direct->Top();
    direct->Close();
    Globals::SampleHasBeenOpen = false; // a new run

    // "Sample..." builds a dialog and closes it at once before it shows the real one: the
    // position that closing stores is the placed one, not the screen's corner.
    App()->ToolsSample_Action();
    auto d = WindowSample();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
    // Within the frame's width: a window never shown cannot know its frame yet.
    EXPECT_NEAR(d->Left(), left, 8);
    EXPECT_NEAR(d->Top(), top, 8);
}

TEST_F(SampleTest, LaterDialogsOpenWhereTheLastOneWasClosed) {
    ApplicationAddMenuHandlers(); // the menu reaches the commands by item name
    main->Show();
    auto app = App();
    ASSERT_TRUE(app);
    // Closed by its close box (Close raises the same Close event), then by "Sample..."
    // chosen in the menu, which closes the open dialog before it shows a new one.
    struct Move {
        int left, top;
    };
    const std::vector<Move> moves = {{500, 300}, {420, 260}};
    WindowSample()->Show();
    WindowSample()->setLeft(moves[0].left);
    WindowSample()->setTop(moves[0].top);
    WindowSample()->Close();
    EXPECT_EQ(Globals::SampleOldLeft, 500);
    EXPECT_EQ(Globals::SampleOldTop, 300);
    app->ToolsSample_Action();
    auto d = WindowSample();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
    EXPECT_EQ(d->Left(), 500);
    EXPECT_EQ(d->Top(), 300);

    d->setLeft(moves[1].left);
    d->setTop(moves[1].top);
    d->StaticTextResult()->setText("a result");
    d->EditFieldNumFrogs()->setText("7");
    d->PopupMenuPond()->setListIndex(Both);
    uitest::ChooseMenu(*main, 2, 0); // Tools > Sample...
    auto fresh = WindowSample();
    EXPECT_NE(fresh, d);
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*fresh); }));
    EXPECT_EQ(fresh->Left(), 420);
    EXPECT_EQ(fresh->Top(), 260);
    EXPECT_EQ(fresh->StaticTextResult()->Text(), "");
    EXPECT_EQ(fresh->EditFieldNumFrogs()->Text(), "20");
    EXPECT_EQ(fresh->PopupMenuPond()->Text(), "Top pond");
}

TEST_F(SampleTest, ClosingEnablesSampleAndBringsTheMenusUpToDate) {
    auto d = WindowSample();
    ToolsSample()->Enabled = false;
    FileReset()->Enabled = false; // set back only by a menu update
    d->Close();
    EXPECT_TRUE(ToolsSample()->Enabled);
    EXPECT_TRUE(FileReset()->Enabled);

    // Without an application object there is no item to enable; closing still works.
    RuntimeReleaseAppObject();
    ASSERT_EQ(ToolsSample(), nullptr);
    auto again = WindowSample();
    again->setLeft(77);
    again->Close();
    EXPECT_EQ(Globals::SampleOldLeft, 77);
}

// The dialog opens with the keyboard in the number field and its "20" selected: a number
// typed at once replaces it, and Return samples that many.
TEST_F(SampleTest, TypingAsTheDialogOpensReplacesTheNumberOfFrogs) {
    stock(Top, "FFF");
    auto d = WindowSample();
    d->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*d); }));
    uitest::TypeOnKeyboard(*d, "7");
    EXPECT_EQ(d->EditFieldNumFrogs()->Text(), "7");
    Replay draws(std::vector<double>(7, 0.0));
    uitest::TypeOnKeyboard(*d, "\r");
    EXPECT_EQ(d->StaticTextResult()->Text(), countText("top", 7, "7"));
}
