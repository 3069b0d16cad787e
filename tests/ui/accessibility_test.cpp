// What a screen reader is told about the windows and controls, read through the toolkit's
// accessibility interfaces.
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/SpriteSurface.h"
#include "platform/Window.h"
#include "platform/testing/AccessibleTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Labels = std::vector<std::string>;

// A window whose controls each test lays out through its `build` function.
class WindowLaidOut : public Window {
  public:
    static std::function<void(WindowLaidOut&)>& build() {
        static std::function<void(WindowLaidOut&)> f;
        return f;
    }
    static int& frame() {
        static int v = 0;
        return v;
    }
    static std::string& title() {
        static std::string v = "Laid out";
        return v;
    }
    void Layout() override {
        setWidth(400);
        setHeight(300);
        Frame = frame();
        Title = title();
    }
    void CreateControls() override {
        if (build()) build()(*this);
    }

    template <class C>
    std::shared_ptr<C> place(const std::string& name, int left, int top, int width, int height) {
        return uitest::PlaceControl<C>(*this, name, left, top, width, height);
    }
    std::shared_ptr<StaticText> text(const std::string& name, const std::string& text, int left,
                                     int top, int width, int height) {
        auto t = place<StaticText>(name, left, top, width, height);
        t->setText(text);
        return t;
    }
    template <class C> std::shared_ptr<C> get(const std::string& name) const {
        return std::dynamic_pointer_cast<C>(ControlByName(name));
    }
};

std::shared_ptr<WindowLaidOut> LaidOut(std::function<void(WindowLaidOut&)> build) {
    WindowLaidOut::build() = std::move(build);
    return ImplicitInstance<WindowLaidOut>("WindowLaidOut.WindowLaidOut");
}

class Accessibility : public testing::Test {
  protected:
    void TearDown() override {
        CloseAllWindows();
        WindowLaidOut::frame() = 0;
        WindowLaidOut::title() = "Laid out";
    }
};

} // namespace

// A static text just left of a field or popup menu on its row, or right above it, names it
// and labels it; one further away, or on another row, does not.
TEST_F(Accessibility, FieldsAndPopupMenusAreLabelledByTheTextBesideThem) {
    auto w = LaidOut([](WindowLaidOut& w) {
        w.text("NameLabel", "Name:", 10, 10, 60, 20);
        w.place<EditField>("Name", 76, 10, 100, 22);
        w.text("ChoiceLabel", "Choice:", 10, 40, 60, 20);
        w.place<PopupMenu>("Choice", 82, 40, 100, 20)->setInitialValue("One\rTwo");
        w.text("PasswordLabel", "Password:", 10, 70, 100, 20);
        w.place<EditField>("Password", 14, 94, 150, 22)->Password = true;
        w.text("FarLabel", "Far:", 10, 130, 40, 20);
        w.place<EditField>("Far", 120, 130, 100, 22);
        w.text("LowLabel", "Low:", 10, 190, 40, 20);
        w.place<EditField>("Low", 52, 170, 100, 22);
        w.place<EditField>("Spare", 250, 10, 100, 22)->AccessibleName = "Spare field";
    });
    struct Case {
        const char* field;
        const char* name; // nullptr: not checked (a popup menu is named by its row)
        Labels labelledBy;
    };
    const Case cases[] = {
        {"Name", "Name:", {"Name:"}},
        {"Choice", nullptr, {"Choice:"}},
        {"Password", "Password:", {"Password:"}},
        {"Far", "", {}},
        {"Low", "", {}},
        {"Spare", "Spare field", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        auto seen = uitest::Accessible(*w->get<RectControl>(c.field));
        if (c.name) {
            EXPECT_EQ(seen.name, c.name);
        }
        EXPECT_EQ(seen.labelledBy, c.labelledBy);
    }
    EXPECT_EQ(uitest::Accessible(*w->get<RectControl>("Choice")).role, "combo box");
}

// A label with an ampersand names its field and still shows the ampersand, whatever its
// text becomes.
TEST_F(Accessibility, ALabelWithAnAmpersandNamesItsFieldAndShowsItLiterally) {
    auto w = LaidOut([](WindowLaidOut& w) {
        w.text("Label", "Salt & pepper:", 10, 10, 100, 20);
        w.place<EditField>("Field", 116, 10, 100, 22);
    });
    auto label = w->get<StaticText>("Label");
    auto field = w->get<EditField>("Field");
    EXPECT_EQ(uitest::ShownText(*label), "Salt & pepper:");
    EXPECT_EQ(uitest::Accessible(*field).name, "Salt & pepper:");

    label->setText("Salt:");
    EXPECT_EQ(uitest::Accessible(*field).name, "Salt:");
    EXPECT_EQ(uitest::Accessible(*field).labelledBy, Labels{"Salt:"});
    label->setText("Oil & vinegar:");
    EXPECT_EQ(uitest::ShownText(*label), "Oil & vinegar:");
    EXPECT_EQ(uitest::Accessible(*field).name, "Oil & vinegar:");
}

// A window's radio buttons are radio buttons, one of them checked; the arrow keys move the
// choice among them, and the program may still clear it.
TEST_F(Accessibility, RadioButtonsAreOneGroupThatTheArrowKeysMoveThrough) {
    auto w = LaidOut([](WindowLaidOut& w) {
        for (int i = 0; i < 3; ++i) {
            auto r = w.place<RadioButton>("Radio" + std::to_string(i), 10, 10 + 25 * i, 100, 20);
            r->setCaption("Choice " + std::to_string(i));
            r->setValue(i == 1);
        }
    });
    auto radio = [&](int i) { return w->get<RadioButton>("Radio" + std::to_string(i)); };
    auto checked = [&] {
        std::vector<bool> seen;
        for (int i = 0; i < 3; ++i) {
            auto view = uitest::Accessible(*radio(i));
            EXPECT_EQ(view.role, "radio button");
            EXPECT_EQ(view.checked, radio(i)->Value());
            seen.push_back(view.checked);
        }
        return seen;
    };
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(uitest::Accessible(*radio(0)).name, "Choice 0");

    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
    uitest::Click(*radio(0));
    EXPECT_EQ(checked(), (std::vector<bool>{true, false, false}));
    uitest::PressKeysOnKeyboard(*w, "Down");
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    uitest::PressKeysOnKeyboard(*w, "Down");
    uitest::PressKeysOnKeyboard(*w, "Up");
    EXPECT_EQ(checked(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(uitest::FocusedName(*w), "Radio1");

    radio(1)->setValue(false);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, false}));
    radio(2)->setValue(true);
    EXPECT_EQ(checked(), (std::vector<bool>{false, false, true}));
}

// A dialog or floating window is a dialog, a document window a window; a blank title gives
// way to the window's first static text, and the title bar stays blank.
TEST_F(Accessibility, WindowsAreDialogsOrWindowsNamedByTheirTitleElseTheirFirstText) {
    struct Case {
        int frame;
        const char* title;
        const char* role;
        const char* name;
    };
    const Case cases[] = {
        {0, "Pond", "window", "Pond"},         {2, "Sample", "dialog", "Sample"},
        {3, "Floating", "dialog", "Floating"}, {1, "", "dialog", "Where to?"},
        {2, "  ", "dialog", "Where to?"},      {0, "", "window", "Where to?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.frame) + " '" + c.title + "'");
        WindowLaidOut::frame() = c.frame;
        WindowLaidOut::title() = c.title;
        auto w = LaidOut([](WindowLaidOut& w) {
            w.place<EditField>("Field", 10, 10, 100, 22);
            w.text("Question", "Where to?", 10, 60, 100, 20);
            w.text("Other", "Other", 10, 90, 100, 20);
        });
        w->Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
        auto seen = uitest::Accessible(*w);
        EXPECT_EQ(seen.role, c.role);
        EXPECT_EQ(seen.name, c.name);
        if (c.title[0] == 0) {
            EXPECT_EQ(uitest::ShownTitle(*w), " ");
            w->get<StaticText>("Question")->setText("Where now?");
            EXPECT_EQ(uitest::Accessible(*w).name, "Where now?");
        }
        w->Close();
    }
}

// A sprite surface is named by the text or field right above it (a blank field by its own
// name) and described by the count just right of it, and says so when either changes; a
// canvas is named by the words drawn into its picture.
TEST_F(Accessibility, SurfacesSayWhatTheyHoldAndCanvasesWhatTheyShow) {
    auto w = LaidOut([](WindowLaidOut& w) {
        w.text("PondLabel", "Pond", 10, 10, 100, 20);
        w.place<SpriteSurface>("Pond", 10, 29, 150, 100);
        w.text("PondCount", "85", 166, 109, 30, 20);
        w.place<EditField>("PoolName", 210, 10, 100, 16)->AccessibleName = "Pool 1";
        w.place<SpriteSurface>("Pool", 210, 32, 100, 80);
        w.text("PoolCount", "0", 316, 92, 30, 20);
        w.text("Day", "Day 1", 10, 250, 100, 20); // below, not beside
        w.place<Canvas>("Card", 210, 150, 85, 69);
    });
    auto pond = w->get<SpriteSurface>("Pond");
    auto pool = w->get<SpriteSurface>("Pool");
    auto seenPond = uitest::Accessible(*pond);
    EXPECT_EQ(seenPond.role, "graphic");
    EXPECT_EQ(seenPond.name, "Pond");
    EXPECT_EQ(seenPond.description, "85");
    EXPECT_EQ(seenPond.labelledBy, Labels{"Pond"});
    EXPECT_EQ(uitest::Accessible(*pool).name, "Pool 1");
    EXPECT_EQ(uitest::Accessible(*pool).description, "0");

    uitest::AccessibleChanges changes;
    w->get<StaticText>("PondCount")->setText("84");
    w->get<StaticText>("Day")->setText("Day 2");
    EXPECT_EQ(uitest::Accessible(*pond).description, "84");
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    uitest::Type(*w->get<EditField>("PoolName"), "Shade");
    EXPECT_EQ(uitest::Accessible(*pool).name, "Shade");
    w->get<EditField>("PoolName")->setText(" ");
    EXPECT_EQ(uitest::Accessible(*pool).name, "Pool 1");
    EXPECT_EQ(changes.seen, (std::vector<std::string>{"description:Pond", "name:Pool",
                                                      "name:Pool", "name:Pool", "name:Pool",
                                                      "name:Pool", "name:Pool"}));

    auto card = NewPicture(85, 69);
    card->Graphics().DrawString("Normal", 2, 53);
    card->Graphics().DrawString("Uninfected", 2, 65);
    changes.seen.clear();
    w->get<Canvas>("Card")->setBackdrop(card);
    EXPECT_EQ(uitest::Accessible(*w->get<Canvas>("Card")).name, "Normal, Uninfected");
    EXPECT_EQ(changes.seen, std::vector<std::string>{"name:Card"});
}

namespace uitest {
void PrintTo(const TextPiece& p, std::ostream* os) {
    *os << '"' << p.text << "\" " << p.start << ".." << p.end;
}
} // namespace uitest

// A field gives its text by character, word, sentence or line around any offset, also at
// the end of its text (where a screen reader's cursor usually is); a password field gives
// none of it.
TEST_F(Accessibility, AFieldGivesItsTextByUnitsUpToItsEnd) {
    auto w = LaidOut([](WindowLaidOut& w) {
        w.place<EditField>("Count", 10, 10, 100, 22)->setText("20");
        w.place<EditField>("Words", 10, 40, 200, 22)->setText("Frogs hop. Worms dig");
        auto password = w.place<EditField>("Password", 10, 70, 100, 22);
        password->Password = true;
        password->setText("Wembix");
    });
    using uitest::TextPiece, uitest::TextSide, uitest::TextUnit;
    using enum TextSide;
    using enum TextUnit;
    struct Case {
        const char* field;
        TextSide side;
        TextUnit unit;
        int offset;
        TextPiece expected;
    };
    const Case cases[] = {
        {"Count", At, Word, 2, {"20", 0, 2}},
        {"Count", At, Sentence, 2, {"20", 0, 2}},
        {"Count", At, Line, 2, {"20", 0, 2}},
        {"Count", At, Paragraph, 2, {"20", 0, 2}},
        {"Count", At, Word, -2, {"20", 0, 2}},
        {"Count", At, Word, -1, {"20", 0, 2}},
        {"Count", At, Character, 2, {"", -1, -1}},
        {"Count", At, Word, 0, {"20", 0, 2}},
        {"Count", Before, Word, 2, {"20", 0, 2}},
        {"Count", After, Word, 2, {"", -1, -1}},
        {"Count", Before, Line, 2, {"", -1, -1}},
        {"Words", At, Word, 20, {"dig", 17, 20}},
        {"Words", At, Sentence, 20, {"Worms dig", 11, 20}},
        {"Words", At, Line, 20, {"Frogs hop. Worms dig", 0, 20}},
        {"Words", At, Word, 0, {"Frogs", 0, 5}},
        {"Words", Before, Word, 20, {"dig", 17, 20}},
        {"Password", At, Word, 6, {"", -1, -1}},
        {"Password", At, Line, 0, {"", -1, -1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.field) + " offset " + std::to_string(c.offset) + " unit " +
                     std::to_string(int(c.unit)) + " side " + std::to_string(int(c.side)));
        const TextPiece seen =
            uitest::AccessibleText(*w->get<RectControl>(c.field), c.side, c.unit, c.offset);
        EXPECT_EQ(seen, c.expected);
    }
}
