#include "platform/Numbers.h"
#include "platform/Runtime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <random>
#include <stdexcept>

double ReplayRandom::next() {
    if (drawn_ >= values_.size())
        throw std::out_of_range("Rnd: replay sequence exhausted after " + std::to_string(drawn_) +
                                " draws");
    return values_[drawn_++];
}

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
        // Beyond a Double: a negative exponent underflows to 0, anything else is infinite.
        std::string_view parsed = rest.substr(0, static_cast<std::size_t>(res.ptr - rest.data()));
        auto e = parsed.find_first_of("eE");
        bool tiny = e != std::string_view::npos && e + 1 < parsed.size() && parsed[e + 1] == '-';
        value = tiny ? 0.0 : HUGE_VAL;
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
