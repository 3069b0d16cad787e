#pragma once
// Numbers, strings and random numbers as the program uses them.
//
// Rnd draws from one process-wide source. The program never seeds it; tests replace the
// source with a ReplayRandom (platform/testing) to fix the sequence and to count the draws.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A source of doubles uniform on [0, 1).
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

// Uniform on [0, 1) from the current source.
double Rnd();

// Installs a new source and returns the old one (nullptr restores the system source).
std::shared_ptr<RandomSource> SetRandomSource(std::shared_ptr<RandomSource> source);

// Replaces the random source for the life of the object; restores the previous one after.
class ScopedRandomSource {
  public:
    explicit ScopedRandomSource(std::shared_ptr<RandomSource> source)
        : previous_(SetRandomSource(std::move(source))) {}
    ~ScopedRandomSource() { SetRandomSource(previous_); }
    ScopedRandomSource(const ScopedRandomSource&) = delete;
    ScopedRandomSource& operator=(const ScopedRandomSource&) = delete;

  private:
    std::shared_ptr<RandomSource> previous_;
};

// Nearest whole number; halves go away from zero.
double Round(double x);
double Sin(double x);
double Cos(double x);
double ATan2(double y, double x);

// Decimal text, never locale-dependent. A whole Double up to 2^53 prints without exponent
// or decimal point; other Doubles print in the shortest form that reads back exactly.
std::string Str(int32_t value);
std::string Str(double value);
inline std::string Str(int64_t value) { return std::to_string(value); }

// The leading decimal number of the text after leading blanks, or 0 when there is none.
double Val(std::string_view text);

// The character of that code as UTF-8 (empty for a code that names no character);
// Chr(13) is the line break of the program's texts.
std::string Chr(int code);

// Sixtieths of a second since the program started.
int32_t Ticks();
