#pragma once
// A fixed sequence for Rnd, so that a test knows every number the program draws.

#include "platform/Numbers.h"

#include <cstddef>
#include <vector>

// Replays a fixed sequence. Drawing past its end throws std::out_of_range, so a test that
// consumes more numbers than it planned for fails loudly instead of reading garbage.
class ReplayRandom : public RandomSource {
  public:
    explicit ReplayRandom(std::vector<double> values) : values_(std::move(values)) {}
    double next() override;
    std::size_t drawn() const { return drawn_; }
    std::size_t remaining() const { return values_.size() - drawn_; }
    // Appends more values to the end of the sequence.
    void push(double v) { values_.push_back(v); }

  private:
    std::vector<double> values_;
    std::size_t drawn_ = 0;
};
