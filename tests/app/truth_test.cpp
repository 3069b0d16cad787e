// The truth dialog: the password, then the explanation of the scenario in force.
#include "tests/app/AppTestSupport.h"

#include "app/dialogs/WindowTheTruth.h"
#include "platform/testing/UiTesting.h"

#include <string>
#include <vector>

namespace {

const std::string CR = "\r";

class TruthTest : public AppTest {
  protected:
    static void setGlobals(const std::string& scenario, std::vector<double> freq,
                           std::vector<int32_t> worms) {
        Globals::Scenario = scenario;
        Globals::AlleleFreq = std::move(freq);
        Globals::MaxNumWorms = std::move(worms);
    }
    // Types the text into the emptied field and clicks "Now tell me.".
    static void tell(class WindowTheTruth& d, const char* typed) {
        d.EditFieldPassword()->setText("");
        uitest::Type(*d.EditFieldPassword(), typed);
        uitest::Click(*d.PushButtonNowTellMe());
    }
    std::shared_ptr<class WindowTheTruth> shown() {
        auto d = WindowTheTruth();
        d->Show();
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
        return d;
    }
};

const std::string genetic = "The difference between the ponds is due to genetic differences." + CR +
                            CR + "Extra legs are due to a genetic mutation." + CR + CR +
                            "The mutation is at higher frequency in ";
const std::string environmental =
    "The difference between the ponds is due to environmental differences." + CR + CR +
    "Extra legs are caused by exposure to worms." + CR + CR + "There are more worms in ";
const std::string both = "The difference between the ponds is due to both genetic and "
                         "environmental diferences." +
                         CR + CR +
                         "Deformity is caused by exposure to worms, but only in genetically "
                         "susceptible frogs." +
                         CR + CR;
const std::string bothEnd = "has both more worms and a higher frequency of susceptible frogs.";
const std::string chance = "The difference, if any, between the ponds is due to chance." + CR + CR +
                           "All frogs have the same risk of deformity.";

} // namespace

TEST_F(TruthTest, RevealNamesThePondThatTheSettingsSay) {
    struct Case {
        std::string scenario;
        std::vector<double> freq;
        std::vector<int32_t> worms;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"Genetic", {0.3, 0.7}, {30, 5}, genetic + "Top Pond."},
        {"Genetic", {0.7, 0.3}, {30, 5}, genetic + "Bottom Pond."}, // worms don't decide
        {"Genetic", {0.5, 0.5}, {5, 30}, genetic + "Bottom Pond."},
        {"Environmental", {0.5, 0.5}, {30, 5}, environmental + "Top Pond."},
        {"Environmental", {0.5, 0.5}, {5, 30}, environmental + "Bottom Pond."},
        {"Environmental", {0.1, 0.9}, {5, 5}, environmental + "Bottom Pond."},
        {"Both", {0.1, 0.35}, {30, 5}, both + "Top Pond " + bothEnd},
        {"Both", {0.1, 0.35}, {5, 30}, both + "Bottom Pond " + bothEnd}, // frequencies don't
        {"Random", {0.5, 0.5}, {30, 5}, chance},
    };
    auto d = WindowTheTruth();
    for (const Case& c : cases) {
        setGlobals(c.scenario, c.freq, c.worms);
        d->Reveal();
        EXPECT_EQ(d->StaticTextTheTruth()->Text(), c.text) << c.scenario;
    }
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(TruthTest, UnknownScenarioIsReportedAndLeavesTheTextEmpty) {
    auto d = WindowTheTruth();
    for (const char* scenario : {"", "genetic", "Both "}) {
        boxes.texts.clear();
        d->StaticTextTheTruth()->setText("an earlier truth");
        Globals::Scenario = scenario;
        d->Reveal();
        EXPECT_EQ(boxes.texts,
                  std::vector<std::string>{"Error in WindowTheTruth.Open.  There is no scenario."})
            << '"' << scenario << '"';
        EXPECT_EQ(d->StaticTextTheTruth()->Text(), "");
        EXPECT_TRUE(d->IsOpen());
    }
}

TEST_F(TruthTest, WrongPasswordsEmptyTheFieldAndTheRightOneRevealsAndStays) {
    auto d = shown();
    EXPECT_FALSE(d->StaticTextTryAgain()->Visible());
    for (const char* wrong : {"wembix", "Wembix ", " Wembix", "", "WEMBIX"}) {
        tell(*d, wrong);
        EXPECT_EQ(d->EditFieldPassword()->Text(), "") << '"' << wrong << '"';
        EXPECT_TRUE(d->StaticTextTryAgain()->Visible());
        EXPECT_EQ(d->StaticTextTheTruth()->Text(), "");
    }
    // Start-up's settings: "Genetic" with the rarer normal allele in the bottom pond.
    tell(*d, "Wembix");
    EXPECT_EQ(d->EditFieldPassword()->Text(), "Wembix");
    EXPECT_EQ(d->StaticTextTheTruth()->Text(), genetic + "Bottom Pond.");
    EXPECT_EQ(uitest::ShownText(*d->StaticTextTheTruth()),
              "The difference between the ponds is due to genetic differences.\n\nExtra legs "
              "are due to a genetic mutation.\n\nThe mutation is at higher frequency in "
              "Bottom Pond.");
    EXPECT_TRUE(d->StaticTextTryAgain()->Visible()); // once shown, it stays

    // A second press rebuilds the text from the settings now in force; Return presses it.
    setGlobals("Environmental", {0.5, 0.5}, {30, 5});
    uitest::PressReturn(*d);
    EXPECT_EQ(d->StaticTextTheTruth()->Text(), environmental + "Top Pond.");
}

TEST_F(TruthTest, CommandShowsTheOpenDialogAsLeftAndCloseEndsIt) {
    auto app = App();
    auto d = shown();
    tell(*d, "nope");
    tell(*d, "Wembix");
    d->EditFieldPassword()->setText("half-typed");
    app->ToolsTellthetruth_Action();
    EXPECT_EQ(WindowTheTruth(), d);
    EXPECT_EQ(d->EditFieldPassword()->Text(), "half-typed");
    EXPECT_EQ(d->StaticTextTheTruth()->Text(), genetic + "Bottom Pond.");
    EXPECT_TRUE(d->StaticTextTryAgain()->Visible());

    uitest::Click(*d->PushButtonOkay()); // "Close"
    EXPECT_FALSE(d->IsOpen());
    app->ToolsTellthetruth_Action();
    auto fresh = WindowTheTruth();
    EXPECT_NE(fresh, d);
    EXPECT_EQ(fresh->EditFieldPassword()->Text(), "");
    EXPECT_EQ(fresh->StaticTextTheTruth()->Text(), "");
    EXPECT_FALSE(fresh->StaticTextTryAgain()->Visible());
}

TEST_F(TruthTest, TheRevealedTextLiesInsideItsFrame) {
    auto d = shown();
    EXPECT_TRUE(uitest::IsAbove(*d->StaticTextTheTruth(), *d->Rectangle1()));
}

// The dialog opens with the keyboard in the password field: what is typed at once goes
// there, and Return then tells the truth.
TEST_F(TruthTest, TypingAsTheDialogOpensGoesIntoThePasswordField) {
    auto d = shown();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*d); }));
    uitest::TypeOnKeyboard(*d, "Wembix\r");
    EXPECT_EQ(d->EditFieldPassword()->Text(), "Wembix");
    EXPECT_FALSE(d->StaticTextTryAgain()->Visible());
    EXPECT_EQ(d->StaticTextTheTruth()->Text(), genetic + "Bottom Pond.");
}
