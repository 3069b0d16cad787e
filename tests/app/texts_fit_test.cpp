// Every text the program puts into a label of fixed size fits there at the platform's default
// font, with the widest values the label can be given. The program's own wordings also leave
// a line free in the labels that wrap, so that a slightly wider font does not cut them off.
#include "tests/app/AppTestSupport.h"

#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "app/dialogs/WindowWhereTo.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"

#include <string>
#include <vector>

namespace {

// Fixed: a text the program shows word for word, which it may not reword to make it fit.
// Own: a wording the program chose itself.
enum class Wording { Fixed, Own };

struct Row {
    std::string what;
    std::shared_ptr<StaticText> label;
    std::string text;
    Wording wording;
    // For a fixed text that cannot fit its label: why. Such a row checks that it still
    // does not fit, so that the note goes once it is no longer true.
    const char* knownMisfit = nullptr;
};

constexpr int Top = 0, Bottom = 1, Both = 2;

class TextsFitTest : public AppTest {
  protected:
    // The result of one press of Sample. The main window's ponds are empty and nothing is
    // drawn: a drawn number would end the empty replay.
    static std::string sampled(int choice, const std::string& typed) {
        auto d = WindowSample();
        d->PopupMenuPond()->setListIndex(choice);
        d->EditFieldNumFrogs()->setText(typed);
        Replay none;
        d->PushButtonSample()->Push();
        return d->StaticTextResult()->Text();
    }

    static std::string revealed(const std::string& scenario, std::vector<double> freq,
                                std::vector<int32_t> worms) {
        Globals::Scenario = scenario;
        Globals::AlleleFreq = std::move(freq);
        Globals::MaxNumWorms = std::move(worms);
        auto d = WindowTheTruth();
        d->Reveal();
        return d->StaticTextTheTruth()->Text();
    }

    // A label with the text it was built with.
    static Row asBuilt(std::string what, std::shared_ptr<StaticText> label, Wording wording) {
        std::string text = label->Text();
        return {std::move(what), std::move(label), std::move(text), wording};
    }
};

} // namespace

TEST_F(TextsFitTest, EveryTextFitsItsLabelAndOwnWordingsLeaveALineFree) {
    const std::string CR = "\r";
    const auto F = Wording::Fixed, O = Wording::Own;
    auto main = WindowMain();
    auto sample = WindowSample();
    auto truth = WindowTheTruth();
    auto splash = WindowSplash();
    auto about = WindowAbout();
    const std::string result = "sample result";
    const char* const countsCut = "counts are written in full into labels of a fixed width";
    // Equal to the largest number sampled, written out as long as one likes: the field's
    // text is quoted as typed, and the field takes any length.
    const std::string longTyped = "1000000." + std::string(40, '0');

    std::vector<Row> rows = {
        {"scenario", main->StaticTextScenario(), "Scenario: None chosen", F},
        {"scenario", main->StaticTextScenario(), "Scenario: Three", F},
        {"day counter", main->StaticTextNumClicks(), "99999", F},
        {"day counter", main->StaticTextNumClicks(), "9999999", F, countsCut},
        asBuilt("day caption", main->StaticText3(), F),
        asBuilt("top pond caption", main->StaticText1(), F),
        asBuilt("bottom pond caption", main->StaticText2(), F),

        asBuilt("scenario prompt", WindowSelectScenario()->StaticText1(), F),

        asBuilt("pond prompt", sample->StaticText1(), F),
        asBuilt("number prompt", sample->StaticText2(), F),
        {result, sample->StaticTextResult(), sampled(Top, "5"), O},
        {result, sample->StaticTextResult(), sampled(Bottom, "5"), O},
        {result, sample->StaticTextResult(), sampled(Both, "5"), O},
        // Nothing drawn, so no five-legged frog from the bottom pond.
        {result, sample->StaticTextResult(), sampled(Both, "0"), O},
        {result, sample->StaticTextResult(), sampled(Top, "1000001"), O},
        {result, sample->StaticTextResult(),
         "In top pond 1000000 of 1000000 frogs" + CR + "has five legs.", F},
        {result, sample->StaticTextResult(),
         "In bottom pond 1000000 of 1000000 frogs" + CR + "has five legs.", F},
        {result, sample->StaticTextResult(),
         "In bottom pond 1000000 of 999999.999999999 frogs" + CR + "has five legs.", F},
        {result, sample->StaticTextResult(),
         "In bottom pond 1000000 of " + longTyped + " frogs" + CR + "has five legs.", F,
         "the typed text is quoted whole"},
        // The widest risk: counts up to 1000000, rounded to hundredths, as 1000000 / 3 gives.
        {result, sample->StaticTextResult(),
         "In top pond versus bottom pond, the relative risk of five legs is 333333.33.", F},

        asBuilt("where-to question", WindowWhereTo()->StaticText1(), F),

        asBuilt("password prompt", truth->StaticText1(), F),
        asBuilt("wrong password", truth->StaticTextTryAgain(), F),
        {"truth", truth->StaticTextTheTruth(), revealed("Genetic", {0.7, 0.3}, {10, 10}), F},
        {"truth", truth->StaticTextTheTruth(), revealed("Random", {0.5, 0.5}, {10, 10}), F},
        {"truth", truth->StaticTextTheTruth(), revealed("Environmental", {0.5, 0.5}, {5, 30}), F},
        {"truth", truth->StaticTextTheTruth(), revealed("Both", {0.5, 0.5}, {5, 30}), F},

        asBuilt("splash title", splash->LabelTitle(), F),
        asBuilt("splash address", splash->StaticText2(), O),
        asBuilt("splash version", splash->StaticText1(), O),
        asBuilt("About credits", about->StaticTextAboutBlurb(), O),
        asBuilt("About title", about->LabelTitle(), F),
        asBuilt("About address", about->LabelWebAddress(), O),
    };
    for (int32_t i = 0; i <= 5; ++i) {
        rows.push_back({"count " + std::to_string(i), main->StaticTextPopSize(i), "9999", F});
        rows.push_back(
            {"count " + std::to_string(i), main->StaticTextPopSize(i), "9999999", F, countsCut});
    }

    for (const Row& row : rows) {
        ASSERT_TRUE(row.label) << row.what;
        ASSERT_FALSE(row.text.empty()) << row.what;
        StaticText& label = *row.label;
        label.setText(row.text);
        const uitest::TextNeed need = uitest::ShownTextNeed(label);
        ASSERT_GT(need.lineHeight, 0) << row.what;
        const int spare = row.wording == Wording::Own && label.Multiline ? need.lineHeight : 0;
        const bool fits = need.width <= label.Width() && need.height + spare <= label.Height();
        EXPECT_EQ(fits, row.knownMisfit == nullptr)
            << row.what << ": \"" << row.text << "\" needs " << need.width << " x " << need.height
            << (spare ? " and a free line of " + std::to_string(spare) : "") << " in "
            << label.Width() << " x " << label.Height()
            << (row.knownMisfit ? std::string(", known not to fit: ") + row.knownMisfit : "");
    }
}
