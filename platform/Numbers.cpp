#include "platform/Numbers.h"
#include "platform/Runtime.h"

#include <charconv>
#include <chrono>
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
    SystemRandom() : engine_(std::random_device{}()) {}
    double next() override { return dist_(engine_); }

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
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
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
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
    auto res = std::from_chars(rest.data(), rest.data() + rest.size(), value,
                               std::chars_format::general);
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

std::string Chr(int code) { return std::string(1, static_cast<char>(code)); }

