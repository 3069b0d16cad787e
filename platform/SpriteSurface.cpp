#include "platform/SpriteSurface.h"
#include "platform/PictureImpl.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cassert>

// ---- Sprite ---------------------------------------------------------------------------

Sprite::~Sprite() = default;

void Sprite::Close() {
    if (surface_) surface_->detach(this);
}

bool GroupsCollide(int a, int b) {
    if (a == 0 || b == 0) return false;
    if (a < 0 || b < 0) return true;
    return a != b;
}

// ---- Pixel contact --------------------------------------------------------------------

namespace {

// Word w of row `row` of the mask shifted right by `shift` bits (shift >= 0), i.e. the bits
// of columns 64 * w + shift onwards.
inline uint64_t shiftedWord(const OpacityMask& m, int row, int w, int shift) {
    int word = w + shift / 64;
    int bit = shift % 64;
    if (word >= m.wordsPerRow) return 0;
    uint64_t lo = m.word(row, word) >> bit;
    if (bit != 0 && word + 1 < m.wordsPerRow) lo |= m.word(row, word + 1) << (64 - bit);
    return lo;
}

} // namespace

bool ImagesOverlap(const Picture& a, int ax, int ay, const Picture& b, int bx, int by) {
    // Intersection of the two boxes, in surface coordinates.
    int left = std::max(ax, bx), right = std::min(ax + a.Width(), bx + b.Width());
    int top = std::max(ay, by), bottom = std::min(ay + a.Height(), by + b.Height());
    if (left >= right || top >= bottom) return false;
    const OpacityMask& ma = a.Mask();
    const OpacityMask& mb = b.Mask();
    // Work in the coordinates of whichever image lies further left, shifting the other.
    const bool aLeft = ax <= bx;
    const OpacityMask& first = aLeft ? ma : mb;   // the left image
    const OpacityMask& second = aLeft ? mb : ma;  // the right image
    const int firstX = aLeft ? ax : bx, firstY = aLeft ? ay : by;
    const int secondY = aLeft ? by : ay;
    const int shift = left - firstX; // columns of the first image before the second begins
    const int words = (right - left + 63) / 64;
    for (int y = top; y < bottom; ++y) {
        int rf = y - firstY, rs = y - secondY;
        for (int w = 0; w < words; ++w) {
            uint64_t f = shiftedWord(first, rf, w, shift);
            uint64_t s = second.word(rs, w);
            int remaining = right - left - 64 * w;
            uint64_t keep = remaining >= 64 ? ~uint64_t(0) : ((uint64_t(1) << remaining) - 1);
            if (f & s & keep) return true;
        }
    }
    return false;
}

// ---- SpriteSurface --------------------------------------------------------------------

struct SpriteSurface::Scratch {
    struct Box {
        int left, top, right, bottom;
        uint32_t order; // attach order
    };
    std::vector<Box> boxes;
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
};

namespace {

void paintSurface(QPainter& p, const SpriteSurface& s) {
    const int w = std::max(s.Width(), 0), h = std::max(s.Height(), 0);
    p.setClipRect(0, 0, w, h);
    if (s.Backdrop && s.Backdrop->Width() > 0 && s.Backdrop->Height() > 0)
        p.drawTiledPixmap(QRect(0, 0, w, h), QPixmap::fromImage(drawableImage(*s.Backdrop)));
    for (const auto& sprite : s.attached()) {
        if (!sprite->Image || sprite->Image->Width() == 0) continue;
        p.drawImage(QPoint(sprite->X, sprite->Y), drawableImage(*sprite->Image));
    }
}

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget(QWidget* parent, const SpriteSurface& surface)
        : QWidget(parent), surface_(surface) {
        // The window receives the presses over a surface; the surface handles none itself.
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        paintSurface(p, surface_);
    }

private:
    const SpriteSurface& surface_;
};

} // namespace

SpriteSurface::SpriteSurface() : scratch_(std::make_unique<Scratch>()) {}

SpriteSurface::~SpriteSurface() {
    for (auto& s : attached_) s->surface_ = nullptr;
}

QWidget* SpriteSurface::createWidget(QWidget* parent) { return new SurfaceWidget(parent, *this); }

void SpriteSurface::Attach(const SpritePtr& sprite) {
    if (!sprite || sprite->surface_ == this) return;
    if (sprite->surface_) sprite->surface_->detach(sprite.get());
    sprite->surface_ = this;
    attached_.push_back(sprite);
}

void SpriteSurface::detach(Sprite* sprite) {
    auto it = std::find_if(attached_.begin(), attached_.end(),
                           [sprite](const SpritePtr& p) { return p.get() == sprite; });
    assert(it != attached_.end());
    sprite->surface_ = nullptr;
    if (it != attached_.end()) attached_.erase(it); // may free the sprite: touch it no more
}

void SpriteSurface::Event_NextFrame() {
    if (NextFrame) NextFrame();
}

void SpriteSurface::Event_Collision(const SpritePtr& a, const SpritePtr& b) {
    if (Collision) Collision(a, b);
}

std::vector<std::pair<SpriteSurface::SpritePtr, SpriteSurface::SpritePtr>>
SpriteSurface::contacts() const {
    auto& boxes = scratch_->boxes;
    auto& pairs = scratch_->pairs;
    boxes.clear();
    pairs.clear();
    for (uint32_t i = 0; i < attached_.size(); ++i) {
        const Sprite& s = *attached_[i];
        if (s.Group == 0 || !s.Image || s.Image->Width() == 0 || s.Image->Height() == 0)
            continue;
        boxes.push_back({s.X, s.Y, s.X + s.Image->Width(), s.Y + s.Image->Height(), i});
    }
    // Sweep along x: after sorting by left edge, a box can only meet the boxes that start
    // before its right edge.
    std::sort(boxes.begin(), boxes.end(),
              [](const Scratch::Box& a, const Scratch::Box& b) { return a.left < b.left; });
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& bi = boxes[i];
        for (std::size_t j = i + 1; j < boxes.size() && boxes[j].left < bi.right; ++j) {
            const auto& bj = boxes[j];
            if (bj.top >= bi.bottom || bi.top >= bj.bottom) continue;
            const Sprite& si = *attached_[bi.order];
            const Sprite& sj = *attached_[bj.order];
            if (!GroupsCollide(si.Group, sj.Group)) continue;
            if (!ImagesOverlap(*si.Image, si.X, si.Y, *sj.Image, sj.X, sj.Y)) continue;
            pairs.emplace_back(std::min(bi.order, bj.order), std::max(bi.order, bj.order));
        }
    }
    std::sort(pairs.begin(), pairs.end());
    std::vector<std::pair<SpritePtr, SpritePtr>> result;
    result.reserve(pairs.size());
    for (auto [a, b] : pairs) result.emplace_back(attached_[a], attached_[b]);
    return result;
}

void SpriteSurface::Update() {
    Event_NextFrame();
    // The pairs hold their sprites, so a sprite closed during the dispatch stays valid.
    for (const auto& [a, b] : contacts()) {
        if (a->surface_ != this || b->surface_ != this) continue; // closed meanwhile
        Event_Collision(a, b);
    }
    requestRepaint();
}

std::shared_ptr<Picture> SpriteSurface::Snapshot() const {
    auto picture = NewPicture(Width(), Height());
    QImage& img = picture->impl().image;
    if (!img.isNull()) {
        QPainter p(&img);
        paintSurface(p, *this);
    }
    picture->changed();
    return picture;
}

bool SpriteSurface::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "FrameSpeed")) return AssignProperty(FrameSpeed, value);
    if (SameName(name, "ClickToStop")) return AssignProperty(ClickToStop, value);
    return RectControl::SetProperty(name, value);
}
