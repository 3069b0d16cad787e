#include "platform/Numbers.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <random>

namespace {

class SystemRandom : public RandomSource {
  public:
    SystemRandom() {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device()};
        engine_.seed(seed);
    }
    // The top 53 bits as a fraction: every value is a multiple of 2^-53 below 1, so 1.0 itself
    // can never come out (a rounding pitfall of generic real distributions).
    double next() override { return double(engine_() >> 11) * 0x1.0p-53; }

  private:
    std::mt19937_64 engine_;
};

std::shared_ptr<RandomSource>& currentSource() {
    static std::shared_ptr<RandomSource> source = std::make_shared<SystemRandom>();
    return source;
}

} // namespace

double Rnd() { return currentSource()->next(); }

std::shared_ptr<RandomSource> SetRandomSource(std::shared_ptr<RandomSource> source) {
    auto previous = currentSource();
    currentSource() = source ? std::move(source) : std::make_shared<SystemRandom>();
    return previous;
}

double Round(double x) { return std::round(x); }
double Sin(double x) { return std::sin(x); }
double Cos(double x) { return std::cos(x); }
double ATan2(double y, double x) { return std::atan2(y, x); }

std::string Str(int32_t value) { return std::to_string(value); }

std::string Str(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    constexpr double limit = 9007199254740992.0; // 2^53
    if (value == std::floor(value) && std::fabs(value) <= limit)
        return std::to_string(static_cast<int64_t>(value));
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    return std::string(buf, res.ptr);
}

namespace {
// The power of ten of a decimal number's leading digit ("123.4" 2, "0.05" -2, "1e400" 400),
// for numbers that lie beyond a Double: only its sign decides between 0 and infinity.
long long decimalExponent(std::string_view number) {
    std::size_t e = number.find_first_of("eE");
    std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        bool minus = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
        if (minus) exponent = -exponent;
    }
    std::size_t point = mantissa.find('.');
    std::string_view whole = mantissa.substr(0, point);
    std::size_t firstNonZero = whole.find_first_not_of('0');
    if (firstNonZero != std::string_view::npos)
        return exponent + static_cast<long long>(whole.size() - firstNonZero) - 1;
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    std::size_t zeros = fraction.find_first_not_of('0');
    if (zeros == std::string_view::npos) return -1; // all zeros: the value is 0
    return exponent - static_cast<long long>(zeros) - 1;
}
} // namespace

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    std::string_view rest = text.substr(i);
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    // Only digits or a point may start the number: no "inf", "nan" or hexadecimal.
    if (rest.empty() || !(std::isdigit(static_cast<unsigned char>(rest[0])) || rest[0] == '.'))
        return 0.0;
    double value = 0.0;
    auto res =
        std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
    if (res.ec == std::errc::invalid_argument) return 0.0;
    if (res.ec == std::errc::result_out_of_range) {
        std::string_view parsed = rest.substr(0, static_cast<std::size_t>(res.ptr - rest.data()));
        value = decimalExponent(parsed) >= 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

std::string Chr(int code) {
    // The program's texts are UTF-8, so codes past ASCII become their UTF-8 sequence.
    std::string s;
    auto cp = static_cast<uint32_t>(code);
    if (code < 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}
