// What a screen reader is told about the windows and controls, read through the toolkit's
// accessibility interfaces.
#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/SpriteSurface.h"
#include "platform/Window.h"
#include "platform/testing/AccessibleTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
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
// the end of its text (where a screen reader's cursor usually is), where nothing comes after
// it; a password field gives none of it.
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
        {"Count", At, Character, 2, {"", 2, 2}},
        {"Count", At, Word, 0, {"20", 0, 2}},
        {"Count", Before, Word, 2, {"", 2, 2}},
        {"Count", After, Word, 2, {"", 2, 2}},
        {"Count", Before, Line, 2, {"", 2, 2}},
        {"Words", At, Word, 20, {"dig", 17, 20}},
        {"Words", At, Sentence, 20, {"Worms dig", 11, 20}},
        {"Words", At, Line, 20, {"Frogs hop. Worms dig", 0, 20}},
        {"Words", At, Word, 0, {"Frogs", 0, 5}},
        {"Words", Before, Word, 20, {" ", 16, 17}},
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

namespace {

using uitest::TextPiece, uitest::TextSide, uitest::TextUnit;
using enum TextSide;
using enum TextUnit;
constexpr TextUnit Units[] = {Character, Word, Sentence, Paragraph, Line};
constexpr TextSide Sides[] = {Before, At, After};

std::string describe(const std::string& text, TextSide side, TextUnit unit, int offset) {
    static const char* const sides[] = {"before", "at", "after"};
    static const char* const units[] = {"character", "word", "sentence", "paragraph", "line"};
    return '"' + text + "\" " + sides[int(side)] + ' ' + units[int(unit)] + ' ' +
           std::to_string(offset);
}

// The text as assistive technology counts it: UTF-16 code units.
std::u16string utf16(const std::string& s) {
    std::u16string out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int more = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        char32_t c = more == 0 ? b : b & (0x3F >> more);
        for (int k = 1; k <= more; ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += size_t(more) + 1;
        if (c >= 0x10000)
            out += {char16_t(0xD800 + ((c - 0x10000) >> 10)), char16_t(0xDC00 + (c & 0x3FF))};
        else
            out += char16_t(c);
    }
    return out;
}

std::string utf8(const std::u16string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size())
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        if (c < 0x80)
            out += char(c);
        else if (c < 0x800)
            out += {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
        else if (c < 0x10000)
            out +=
                {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
        else
            out += {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)),
                    char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
    }
    return out;
}

// A place inside one character: between the halves of a surrogate pair, or before a
// combining mark (which a control character such as a tab does not take).
bool splitsACharacter(const std::u16string& s, int at) {
    if (at <= 0 || at >= int(s.size())) return false;
    const char16_t next = s[size_t(at)];
    return (next >= 0xDC00 && next < 0xE000) ||
           (next >= 0x0300 && next < 0x0370 && s[size_t(at - 1)] >= 0x20);
}

// Every question about the field's text, at every offset from the cursor (-2) and the end
// (-1) through one past the end, is answered by a piece that is exactly the text from its
// start to its end, whole characters only; a piece at an offset holds the offset.
void expectEveryAnswerKeepsTheRules(const RectControl& field, const std::string& text) {
    const std::u16string units = utf16(text);
    const int n = int(units.size());
    for (int offset = -2; offset <= n + 1; ++offset)
        for (TextUnit unit : Units) {
            TextPiece piece[3];
            for (TextSide side : Sides) {
                SCOPED_TRACE(describe(text, side, unit, offset));
                const TextPiece p = uitest::AccessibleText(field, side, unit, offset);
                piece[int(side)] = p;
                EXPECT_TRUE(0 <= p.start && p.start <= p.end && p.end <= n)
                    << p.start << ".." << p.end;
                if (0 <= p.start && p.start <= p.end && p.end <= n) {
                    EXPECT_EQ(p.text, utf8(units.substr(size_t(p.start), size_t(p.end - p.start))));
                }
                EXPECT_FALSE(splitsACharacter(units, p.start) || splitsACharacter(units, p.end));
            }
            // Where the question is asked (the cursor stands at the end): inside a character,
            // at its start.
            int at = offset < 0 ? n : std::min(offset, n);
            while (splitsACharacter(units, at))
                --at;
            SCOPED_TRACE(describe(text, At, unit, offset));
            const TextPiece& here = piece[int(At)];
            if (here.start == here.end) {
                EXPECT_EQ(here.start, at);
            } else {
                EXPECT_LE(here.start, at);
                EXPECT_TRUE(at < here.end || (at == n && here.end == n));
                if (piece[int(Before)].start != piece[int(Before)].end) {
                    EXPECT_EQ(piece[int(Before)].end, here.start);
                }
                if (piece[int(After)].start != piece[int(After)].end) {
                    EXPECT_EQ(piece[int(After)].start, here.end);
                }
            }
            if (unit == Character && at < n) {
                EXPECT_LT(here.start, here.end);
            }
        }
}

class FieldText : public Accessibility {
  protected:
    void SetUp() override {
        window_ = LaidOut([](WindowLaidOut& w) { w.place<EditField>("Field", 10, 10, 200, 22); });
    }
    EditField& field(const std::string& text) {
        auto f = window_->get<EditField>("Field");
        f->setText(text);
        return *f;
    }
    std::shared_ptr<WindowLaidOut> window_;
};

} // namespace

// Texts that start before their first word (which froze the program at the first word
// question) and texts that start with one, each asked every question there is.
TEST_F(FieldText, EveryQuestionAboutAFieldsTextIsAnswered) {
    const char* const texts[] = {
        // Before: no answer at the start, and for one character also at the end.
        "-", " 12", "(x)", "...", "  ", "-5", "?", "\u4e2d", "\U0001F438 pond",
        // Before as now.
        "20", "abc ", "x-y", "1.5", "\u00e9", "e\u0301", "a\U0001F438", "Pool 1",
        "Shade, by the reeds.", ""};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        expectEveryAnswerKeepsTheRules(field(text), text);
    }
}

// What the pieces are: words and the runs between them, whole characters, sentences and the
// line; nothing where there is no such piece.
TEST_F(FieldText, AFieldsTextComesInWordsCharactersSentencesAndItsLine) {
    struct Case {
        const char* text;
        TextSide side;
        TextUnit unit;
        int offset;
        TextPiece expected;
    };
    const Case cases[] = {
        {"(x)", At, Word, 0, {"(", 0, 1}},
        {"(x)", At, Word, -2, {")", 2, 3}},
        {"(x)", At, Word, 1, {"x", 1, 2}},
        {"(x)", Before, Word, 1, {"(", 0, 1}},
        {"(x)", After, Word, 1, {")", 2, 3}},
        {"(x)", Before, Word, 0, {"", 0, 0}},
        {"-", At, Word, 0, {"", 0, 0}}, // no word in it
        {"-", At, Word, -1, {"", 1, 1}},
        {"-", At, Character, 0, {"-", 0, 1}},
        {"-", At, Character, 1, {"", 1, 1}},
        {"-", Before, Character, 1, {"-", 0, 1}},
        {"-", At, Sentence, 1, {"-", 0, 1}},
        {"-", At, Line, 0, {"-", 0, 1}},
        {" 12", At, Word, 0, {" ", 0, 1}},
        {" 12", At, Word, 3, {"12", 1, 3}},
        {"  ", At, Word, 0, {"", 0, 0}},
        {"  ", At, Line, 0, {"  ", 0, 2}},
        {"-5", At, Word, 0, {"-", 0, 1}},
        {"-5", After, Word, 0, {"5", 1, 2}},
        {"\u4e2d", At, Word, 0, {"\u4e2d", 0, 1}},
        {"\U0001F438 pond", At, Character, 1, {"\U0001F438", 0, 2}},
        {"\U0001F438 pond", At, Word, 0, {"\U0001F438 ", 0, 3}},
        {"\U0001F438 pond", At, Word, -2, {"pond", 3, 7}},
        {"e\u0301", At, Character, 0, {"e\u0301", 0, 2}},
        {"a\U0001F438", At, Word, 3, {"\U0001F438", 1, 3}},
        {"1.5", At, Word, 1, {"1.5", 0, 3}},
        {"Shade, by the reeds.", At, Word, 5, {", ", 5, 7}},
        {"Shade, by the reeds.", After, Word, 0, {", ", 5, 7}},
        {"Shade, by the reeds.", At, Sentence, 5, {"Shade, by the reeds.", 0, 20}},
        {"Frogs hop. Worms dig", At, Sentence, 3, {"Frogs hop. ", 0, 11}},
        {"Frogs hop. Worms dig", At, Sentence, -1, {"Worms dig", 11, 20}},
        {"Frogs hop. Worms dig", After, Sentence, 0, {"Worms dig", 11, 20}},
        {"Frogs hop. Worms dig", At, Paragraph, 20, {"Frogs hop. Worms dig", 0, 20}},
        {"20", At, Word, 7, {"20", 0, 2}}, // past the end: at the end
        {"20", After, Character, 0, {"0", 1, 2}},
        {"", At, Word, -2, {"", 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(c.text, c.side, c.unit, c.offset));
        EXPECT_EQ(uitest::AccessibleText(field(c.text), c.side, c.unit, c.offset), c.expected);
    }
}

// Many texts drawn from letters, digits, punctuation, spaces, ideographs, emoji and
// combining marks: every question is answered within the rules.
TEST_F(FieldText, RandomTextsAreAnsweredWithinTheRules) {
    const char* const parts[] = {"a",          "Z",      "frog",   "7",      "42",     "-",
                                 ".",          ",",      "(",      ")",      "?",      "!",
                                 "'",          " ",      "  ",     "\u4e2d", "\u6587", "\U0001F438",
                                 "\U0001F33F", "\u0301", "\u0308", "\u00e9", "\t"};
    std::mt19937 draw(20261211);
    for (int i = 0; i < 300; ++i) {
        std::string text;
        for (int k = int(draw() % 9); k > 0; --k)
            text += parts[draw() % std::size(parts)];
        SCOPED_TRACE("text " + std::to_string(i));
        expectEveryAnswerKeepsTheRules(field(text), text);
        if (HasFailure()) return;
    }
}

// A password field gives none of its text: not by its pieces, nor as the name of the
// surface below it.
TEST_F(Accessibility, APasswordFieldGivesNoneOfItsText) {
    auto w = LaidOut([](WindowLaidOut& w) {
        auto password = w.place<EditField>("Password", 10, 10, 100, 22);
        password->Password = true;
        password->setText("Wembix");
        w.place<SpriteSurface>("Below", 10, 36, 100, 80);
    });
    auto password = w->get<EditField>("Password");
    for (TextUnit unit : Units)
        for (TextSide side : Sides)
            for (int offset : {-2, -1, 0, 3, 6}) {
                SCOPED_TRACE(describe("Wembix", side, unit, offset));
                EXPECT_EQ(uitest::AccessibleText(*password, side, unit, offset),
                          (TextPiece{"", -1, -1}));
            }
    EXPECT_EQ(uitest::Accessible(*w->get<SpriteSurface>("Below")).name, "");
    password->AccessibleName = "Secret";
    password->setText("Wembix2");
    EXPECT_EQ(uitest::Accessible(*w->get<SpriteSurface>("Below")).name, "Secret");
}
