// What a screen reader is told about the program's windows: the names of their fields.
#include "tests/app/AppTestSupport.h"

#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "app/dialogs/WindowWhereTo.h"
#include "app/WindowSplash.h"
#include "platform/Controls.h"
#include "platform/testing/AccessibleTesting.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"
#include "platform/testing/UiTesting.h"

#include <string>
#include <vector>

namespace {
using Labels = std::vector<std::string>;
using AccessibilityTest = AppTest;
} // namespace

TEST_F(AccessibilityTest, EveryFieldAndListIsNamedByTheTextBesideIt) {
    auto sample = WindowSample();
    auto from = uitest::Accessible(*sample->PopupMenuPond());
    EXPECT_EQ(from.labelledBy, Labels{"Sample from:"});
    auto frogs = uitest::Accessible(*sample->EditFieldNumFrogs());
    EXPECT_EQ(frogs.name, "Number of frogs:");
    EXPECT_EQ(frogs.labelledBy, Labels{"Number of frogs:"});
    EXPECT_EQ(uitest::Accessible(*WindowSelectScenario()->PopupMenuScenario()).labelledBy,
              Labels{"Select a scenario:"});
    auto password = uitest::Accessible(*WindowTheTruth()->EditFieldPassword());
    EXPECT_EQ(password.name, "Enter password:");
    EXPECT_EQ(password.labelledBy, Labels{"Enter password:"});

    // The pools' name fields have no label: they go by their place among the pools.
    auto main = WindowMain();
    for (int32_t pool = 0; pool < 4; ++pool) {
        auto seen = uitest::Accessible(*main->EditFieldPoolLabel(pool));
        EXPECT_EQ(seen.name, "Pool " + std::to_string(pool + 1));
        EXPECT_EQ(seen.labelledBy, Labels{});
    }
}

TEST_F(AccessibilityTest, TheWhereToChoicesAreRadioButtonsWithDumpThemChecked) {
    auto whereTo = WindowWhereTo();
    std::vector<std::string> names, checked;
    for (int32_t i = 0; i < 3; ++i) {
        auto seen = uitest::Accessible(*whereTo->RadioButtonDestination(i));
        EXPECT_EQ(seen.role, "radio button");
        names.push_back(seen.name);
        if (seen.checked) checked.push_back(seen.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Top pond", "Bottom pond", "Dump them"}));
    EXPECT_EQ(checked, std::vector<std::string>{"Dump them"});
}

TEST_F(AccessibilityTest, WindowsAreAnnouncedAsWhatTheyAreByAName) {
    struct Case {
        std::shared_ptr<Window> window;
        const char* role;
        std::string name;
    };
    const Case cases[] = {
        {WindowMain(), "window", "Tarnwick"},
        {WindowSelectScenario(), "dialog", "Select scenario"},
        {WindowSample(), "dialog", "Sample"},
        {WindowWhereTo(), "dialog", "Where should the frogs go?"},
        {WindowTheTruth(), "dialog", "The Truth"},
        {WindowSplash(), "dialog", "Tarnwick Software for Cadmoria"}, // its two lines
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto seen = uitest::Accessible(*c.window);
        EXPECT_EQ(seen.role, c.role);
        EXPECT_EQ(seen.name, c.name);
    }
}

// The ponds and pools are named by the text above them (a pool by its name field, else its
// place) and described by their counts, as refreshed; the data card says what it shows.
TEST_F(AccessibilityTest, ThePondsAndPoolsSayWhatTheyHoldAndTheCardWhatItShows) {
    auto main = WindowMain();
    main->Show();
    main->PopulatePond(0, 85);
    main->UpdateSizes();
    const char* names[] = {"Top pond", "Bottom pond", "Pool 1", "Pool 2", "Pool 3", "Pool 4"};
    for (int32_t i = 0; i < 6; ++i) {
        auto seen = uitest::Accessible(*main->popSurfaces(i));
        EXPECT_EQ(seen.name, names[i]);
        EXPECT_EQ(seen.description, i == 0 ? "85" : "0") << names[i];
    }
    uitest::Type(*main->EditFieldPoolLabel(2), "Shade");
    EXPECT_EQ(uitest::Accessible(*main->popSurfaces(4)).name, "Shade");

    struct Card {
        const char* phenotype;
        bool exposed;
        const char* shows;
    };
    const Card cards[] = {
        {"tadpole", false, "Tadpole, Uninfected"},
        {"frog", true, "Frog, Normal, Infected, Fluke"},
        {"fivelegs", false, "Five-legged frog, Deformed, Uninfected"},
    };
    auto card = main->spriteDataPopUp1();
    for (const Card& c : cards) {
        auto critter = std::make_shared<critterSprite>();
        critter->phenotype = c.phenotype;
        critter->exposed = c.exposed;
        card->popup(100, 100, critter, *main);
        EXPECT_EQ(uitest::Accessible(*card).name, c.shows);
    }
}
