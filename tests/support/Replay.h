#pragma once
// Runs a block under a fixed sequence of random numbers.

#include "platform/Numbers.h"
#include "platform/testing/ReplayRandom.h"

#include <memory>
#include <vector>

// Installs a replay for the life of the object; draws past its end throw.
struct Replay {
    explicit Replay(std::vector<double> values = {})
        : source(std::make_shared<ReplayRandom>(std::move(values))), scope(source) {}
    std::size_t drawn() const { return source->drawn(); }
    std::shared_ptr<ReplayRandom> source;
    ScopedRandomSource scope;
};
