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
