#include "platform/testing/ReplayRandom.h"

#include <stdexcept>
#include <string>

double ReplayRandom::next() {
    if (drawn_ >= values_.size())
        throw std::out_of_range("Rnd: replay sequence exhausted after " + std::to_string(drawn_) +
                                " draws");
    return values_[drawn_++];
}
