#include "platform/Numbers.h"
#include "platform/testing/ReplayRandom.h"

#include <gtest/gtest.h>

#include <string>

#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <stdexcept>

TEST(Numbers, RoundGoesToTheNearestWholeWithHalvesAwayFromZero) {
    const std::pair<double, double> cases[] = {
        {0.5, 1},       {-0.5, -1}, {1.5, 2},   {2.5, 3},
        {-2.5, -3},     {2.4, 2},   {-2.6, -3}, {0.49999999999999994, 0},
        {1e300, 1e300}, {-7, -7},
    };
    for (auto [x, want] : cases)
        EXPECT_EQ(Round(x), want) << x;
}

TEST(Numbers, StrOfIntegerIsPlainDecimal) {
    EXPECT_EQ(Str(int32_t(0)), "0");
    EXPECT_EQ(Str(int32_t(-42)), "-42");
    EXPECT_EQ(Str(int32_t(1234567)), "1234567");
    EXPECT_EQ(Str(std::numeric_limits<int32_t>::min()), "-2147483648");
    EXPECT_EQ(Str(std::numeric_limits<int32_t>::max()), "2147483647");
}

TEST(Numbers, StrOfDoubleWholeValuesPlainOthersShortest) {
    const std::pair<double, const char*> cases[] = {
        {1.0, "1"},      {0.0, "0"},
        {-0.0, "0"},     {1000000.0, "1000000"},
        {-85.0, "-85"},  {9007199254740992.0, "9007199254740992"}, // 2^53
        {0.75, "0.75"},  {0.67, "0.67"},
        {-2.5, "-2.5"},  {0.1 + 0.2, "0.30000000000000004"},
        {1e-7, "1e-07"},
    };
    for (auto [x, want] : cases)
        EXPECT_EQ(Str(x), want) << x;
    // Whole but past 2^53: no longer written out digit by digit.
    EXPECT_EQ(Val(Str(1e300)), 1e300);
}

TEST(Numbers, ValReadsTheLeadingNumberAndNeverFails) {
    const std::pair<const char*, double> cases[] = {
        {"2.5", 2.5},  {"  12abc", 12},  {"\t7", 7},          {"abc", 0},
        {"", 0},       {"   ", 0},       {"-3", -3},          {"+4", 4},
        {"1e3", 1000}, {"1.5E-1", 0.15}, {".5", 0.5},         {"-.25x", -0.25},
        {"3.", 3},     {"1e", 1},        {"7 8", 7},          {"-", 0},
        {".", 0},      {"- 3", 0},       {"inf", 0},          {"nan", 0},
        {"0x1A", 0},   {"2,5", 2},       {"1e999", HUGE_VAL}, {"-1e999", -HUGE_VAL},
        {"1e-999", 0},
    };
    for (auto [text, want] : cases)
        EXPECT_EQ(Val(text), want) << '"' << text << '"';
    EXPECT_EQ(Val(std::string_view("12\0"
                                   "3",
                                   4)),
              12);
    // Beyond a Double by the number of digits, not by the exponent alone.
    const std::pair<std::string, double> huge[] = {
        {"0." + std::string(400, '0') + "1", 0},
        {"0." + std::string(400, '0') + "1e+10", 0},
        {"1" + std::string(500, '0') + "e-100", HUGE_VAL},
        {"-1" + std::string(500, '0'), -HUGE_VAL},
        {"0." + std::string(500, '0'), 0},
    };
    for (const auto& [text, want] : huge)
        EXPECT_EQ(Val(text), want) << text.substr(0, 12) << "... (" << text.size() << " chars)";
}

TEST(Numbers, StrThenValGivesTheSameDouble) {
    std::mt19937_64 bits(7);
    int checked = 0;
    while (checked < 2000) {
        double x;
        uint64_t b = bits();
        std::memcpy(&x, &b, sizeof x);
        if (!std::isfinite(x)) continue;
        ASSERT_EQ(Val(Str(x)), x) << Str(x);
        ++checked;
    }
    for (double x : {1.0 / 3, 2.0 / 3, 0.1, 1e-320, 9007199254740993.0, -1e22,
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::min()})
        EXPECT_EQ(Val(Str(x)), x) << Str(x);
    for (int32_t i : {0, 1, -1, 85, std::numeric_limits<int32_t>::min()})
        EXPECT_EQ(Val(Str(i)), i);
}

TEST(Numbers, StrAndValIgnoreACommaDecimalLocale) {
    // The GUI toolkit adopts the user's locale at start-up; numbers must not follow it.
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8"};
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* n : names)
        if (std::setlocale(LC_ALL, n)) {
            found = n;
            break;
        }
    if (!found) {
        std::setlocale(LC_ALL, saved.c_str());
        GTEST_SKIP() << "no comma-decimal locale installed";
    }
    struct Restore {
        std::string c;
        std::locale cpp;
        ~Restore() {
            std::locale::global(cpp);
            std::setlocale(LC_ALL, c.c_str());
        }
    } restore{saved, std::locale::global(std::locale(found))};
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    EXPECT_EQ(Str(0.75), "0.75");
    EXPECT_EQ(Str(1000000.0), "1000000");
    EXPECT_EQ(Str(int32_t(1234567)), "1234567");
    EXPECT_EQ(Str(-1e-7), "-1e-07");
    EXPECT_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Val("2,5"), 2);
}

TEST(Numbers, ChrGivesTheCharacterOfTheCode) {
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(233), "\xC3\xA9");        // é, as the UTF-8 texts hold it
    EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC"); // €
    EXPECT_EQ(Chr(0x1F438), "\xF0\x9F\x90\xB8");
    EXPECT_EQ(Chr(-1), "");
    EXPECT_EQ(Chr(0xD800), "");
    EXPECT_EQ(Chr(0x110000), "");
}

TEST(Rnd, ReplayRandomGivesItsSequenceCountsDrawsAndFailsLoudlyPastTheEnd) {
    auto replay = std::make_shared<ReplayRandom>(std::vector<double>{0.25, 0.5});
    {
        ScopedRandomSource scope(replay);
        EXPECT_EQ(Rnd(), 0.25);
        EXPECT_EQ(Rnd(), 0.5);
        EXPECT_EQ(replay->drawn(), 2u);
        EXPECT_EQ(replay->remaining(), 0u);
        EXPECT_THROW(Rnd(), std::out_of_range);
        replay->push(0.75);
        EXPECT_EQ(Rnd(), 0.75);
        {
            ScopedRandomSource inner(std::make_shared<ReplayRandom>(std::vector<double>{0.125}));
            EXPECT_EQ(Rnd(), 0.125);
        }
        replay->push(0.875);
        EXPECT_EQ(Rnd(), 0.875); // the outer replay is back
        EXPECT_EQ(replay->drawn(), 4u);
    }
    // Out of scope: the system source again, which never runs out.
    for (int i = 0; i < 10; ++i)
        EXPECT_NO_THROW(Rnd());
    EXPECT_EQ(replay->drawn(), 4u);
}

TEST(Rnd, SystemSourceIsUniformOnZeroToOneAndSeededAfresh) {
    constexpr int n = 20000;
    double sum = 0;
    int below[4] = {};
    for (int i = 0; i < n; ++i) {
        double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        sum += r;
        ++below[int(r * 4)];
    }
    EXPECT_NEAR(sum / n, 0.5, 0.02); // about 10 standard errors
    for (int q : below)
        EXPECT_NEAR(q, n / 4, n / 20);
    // Two fresh system sources do not repeat each other: each is seeded from the system.
    auto first = [] {
        SetRandomSource(nullptr);
        return std::vector<double>{Rnd(), Rnd(), Rnd()};
    };
    EXPECT_NE(first(), first());
}
