// One frame of a sprite surface (SpriteSurface::Update): NextFrame moves every sprite, then
// the contact search with its pixel test reports each touching pair to a counting handler.
//
// The pond: a 256 x 184 surface with 85 critter discs of 11 or 13 pixels (group -1) and 30
// worm discs of 8 pixels (group 1). The crowd: 1,000 sprites in the same proportions on the
// same surface, where far more boxes overlap.

#include "platform/Picture.h"
#include "platform/SpriteSurface.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int surfaceWidth = 256;
constexpr int surfaceHeight = 184;

std::shared_ptr<Picture> disc(int size) {
    auto p = NewPicture(size, size, 32);
    p->Graphics().ForeColor = RGB(0, 128, 0);
    p->Graphics().FillOval(0, 0, size, size);
    return p;
}

// Sprites that bounce off the walls; positions are kept as doubles and rounded to X, Y.
class Pond {
  public:
    Pond(int count, uint32_t seed) {
        surface_->setWidth(surfaceWidth);
        surface_->setHeight(surfaceHeight);
        const auto tadpole = disc(11), frog = disc(13), worm = disc(8);
        const int critters = (count * 85 + 57) / 115;
        std::mt19937 rng(seed);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < count; ++i) {
            auto s = std::make_shared<Sprite>();
            const bool critter = i < critters;
            s->Image = critter ? (unit(rng) < 0.5 ? tadpole : frog) : worm;
            s->Group = critter ? -1 : 1;
            Mover m;
            m.sprite = s.get();
            m.x = unit(rng) * (surfaceWidth - s->Image->Width());
            m.y = unit(rng) * (surfaceHeight - s->Image->Height());
            const double speed = 1.0 + 2.0 * unit(rng), direction = 6.2831853 * unit(rng);
            m.dx = speed * std::cos(direction);
            m.dy = speed * std::sin(direction);
            s->X = int(std::lround(m.x));
            s->Y = int(std::lround(m.y));
            movers_.push_back(m);
            surface_->Attach(s);
        }
        surface_->NextFrame = [this] { move(); };
        surface_->Collision = [this](const SpriteSurface::SpritePtr&,
                                     const SpriteSurface::SpritePtr&) { ++contacts_; };
    }

    void frame() { surface_->Update(); }
    int64_t contacts() const { return contacts_; }

  private:
    struct Mover {
        Sprite* sprite;
        double x, y, dx, dy;
    };

    static void bounce(double& pos, double& step, double limit) {
        pos += step;
        if (pos < 0) pos = -pos, step = -step;
        if (pos > limit) pos = 2 * limit - pos, step = -step;
    }

    void move() {
        for (auto& m : movers_) {
            bounce(m.x, m.dx, surfaceWidth - m.sprite->Image->Width());
            bounce(m.y, m.dy, surfaceHeight - m.sprite->Image->Height());
            m.sprite->X = int(std::lround(m.x));
            m.sprite->Y = int(std::lround(m.y));
        }
    }

    std::shared_ptr<SpriteSurface> surface_ = std::make_shared<SpriteSurface>();
    std::vector<Mover> movers_;
    int64_t contacts_ = 0;
};

void BM_SpriteSurfaceUpdate(benchmark::State& state) {
    Pond pond(int(state.range(0)), 20240611);
    for (int i = 0; i < 50; ++i)
        pond.frame(); // masks built, positions mixed
    const int64_t before = pond.contacts();
    for (auto _ : state)
        pond.frame();
    state.counters["pairs/frame"] =
        double(pond.contacts() - before) / double(std::max<int64_t>(state.iterations(), 1));
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_SpriteSurfaceUpdate)
    ->ArgName("sprites")
    ->Arg(115)
    ->Arg(1000)
    ->Unit(benchmark::kMicrosecond);
