#include "platform/SpriteSurface.h"
#include "platform/PictureImpl.h"
#include "platform/PictureRatio.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cassert>

// ---- Sprite ---------------------------------------------------------------------------

Sprite::~Sprite() = default;

void Sprite::Close() {
    // The surface may hold the last reference: keep the sprite alive until Close returns.
    const auto keep = weak_from_this().lock();
    if (surface_) surface_->detach(this);
}

namespace {
inline bool groupsCollide(int a, int b) {
    if (a == 0 || b == 0) return false;
    if (a < 0 || b < 0) return true;
    return a != b;
}
} // namespace

bool GroupsCollide(int a, int b) { return groupsCollide(a, b); }

// ---- Pixel contact --------------------------------------------------------------------

namespace {

// The mask's bits of row `row` from column `column` (>= 0) onwards, as one word: bit k is
// column `column + k`. Columns past the mask's width read as 0.
inline uint64_t bitsFrom(const OpacityMask& m, int row, int column) {
    const int word = column / 64, bit = column % 64;
    if (word >= m.wordsPerRow) return 0;
    uint64_t v = m.word(row, word) >> bit;
    if (bit != 0 && word + 1 < m.wordsPerRow) v |= m.word(row, word + 1) << (64 - bit);
    return v;
}

} // namespace

namespace {

// Whether two opacity masks share a set bit with their top-left corners at (ax, ay) and
// (bx, by).
bool masksOverlap(const OpacityMask& ma, int ax, int ay, const OpacityMask& mb, int bx, int by) {
    // Intersection of the two boxes, in surface coordinates; 64 bits, as X + Width may not
    // fit an int.
    const int64_t left = std::max<int64_t>(ax, bx);
    const int64_t right = std::min<int64_t>(int64_t(ax) + ma.width, int64_t(bx) + mb.width);
    const int64_t top = std::max<int64_t>(ay, by);
    const int64_t bottom = std::min<int64_t>(int64_t(ay) + ma.height, int64_t(by) + mb.height);
    if (left >= right || top >= bottom) return false;
    // From here on every offset lies inside one of the masks, so it fits an int.
    // Work in the columns of whichever mask starts further right (the second): the
    // overlap begins at its column 0 and at column `shift` of the other (the first).
    const bool aLeft = ax <= bx;
    const OpacityMask& first = aLeft ? ma : mb;
    const OpacityMask& second = aLeft ? mb : ma;
    const int shift = int(left - (aLeft ? ax : bx));
    const int firstTop = int(top - (aLeft ? ay : by)), secondTop = int(top - (aLeft ? by : ay));
    const int rows = int(bottom - top);
    // Bits past either mask's width are 0, so the AND needs no mask for the overlap's end.
    const int words = int((right - left + 63) / 64);
    if (words == 1 && first.wordsPerRow == 1) {
        // Images up to 64 pixels wide: one word per row on each side.
        for (int r = 0; r < rows; ++r)
            if ((first.word(firstTop + r, 0) >> shift) & second.word(secondTop + r, 0)) return true;
        return false;
    }
    for (int r = 0; r < rows; ++r)
        for (int w = 0; w < words; ++w)
            if (bitsFrom(first, firstTop + r, shift + 64 * w) & second.word(secondTop + r, w))
                return true;
    return false;
}

} // namespace

bool ImagesOverlap(const Picture& a, int ax, int ay, const Picture& b, int bx, int by) {
    if (a.Width() == 0 || a.Height() == 0 || b.Width() == 0 || b.Height() == 0) return false;
    return masksOverlap(a.Mask(), ax, ay, b.Mask(), bx, by);
}

// ---- SpriteSurface --------------------------------------------------------------------

struct SpriteSurface::Scratch {
    // A sprite that can touch others, with its box in surface coordinates.
    struct Box {
        int64_t left, top, right, bottom;
        const OpacityMask* mask;
        int group;
        uint32_t order; // index in the attach order
    };
    std::vector<Box> boxes;  // in attach order
    std::vector<Box> sorted; // by left edge
    // Sort keys: the left edge, offset to unsigned, above the index in `boxes`.
    std::vector<uint64_t> byLeft;
    // Touching pairs as (earlier index << 32 | later index): as found, then in reporting
    // order, with the start of each earlier index's run in between.
    std::vector<uint64_t> found;
    std::vector<uint64_t> pairs;
    std::vector<uint32_t> runStart;
    // The pairs of the frame under way, holding their sprites while the handlers run.
    struct Contact {
        SpritePtr a, b;
        uint64_t serialA, serialB;
    };
    std::vector<Contact> frame;
};

namespace {

// At the device pixel ratio of what is painted on; contacts keep to the pictures' own pixels.
void paintSurface(QPainter& p, const SpriteSurface& s, qreal ratio) {
    const int w = std::max(s.Width(), 0), h = std::max(s.Height(), 0);
    const QRect area(0, 0, w, h);
    p.setClipRect(area);
    p.fillRect(area, Qt::white);
    if (s.Backdrop && s.Backdrop->Width() > 0 && s.Backdrop->Height() > 0) {
        // A texture brush repeats the image from the origin: the backdrop tiled from the
        // surface's top-left corner.
        p.setBrushOrigin(0, 0);
        p.fillRect(area, QBrush(drawableImage(*s.Backdrop, ratio)));
    }
    for (const auto& sprite : s.attached()) {
        const Picture* image = sprite->Image.get();
        if (!image || image->Width() == 0 || image->Height() == 0) continue;
        // Wholly outside: skip, which also keeps X + Width within range for the painter.
        if (int64_t(sprite->X) + image->Width() <= 0 || sprite->X >= w ||
            int64_t(sprite->Y) + image->Height() <= 0 || sprite->Y >= h)
            continue;
        p.drawImage(QPoint(sprite->X, sprite->Y), drawableImage(*image, ratio));
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
        // The ratio is read at every paint: a window moved to a screen of another scale is
        // repainted whole by the toolkit, and then drawn at the new one.
        paintSurface(p, surface_, devicePixelRatioF()); // covers the whole widget
    }

  private:
    const SpriteSurface& surface_;
};

uint64_t nextAttachSerial = 0;

} // namespace

SpriteSurface::SpriteSurface() : scratch_(std::make_unique<Scratch>()) {}

SpriteSurface::~SpriteSurface() {
    for (auto& s : attached_)
        s->surface_ = nullptr;
}

QWidget* SpriteSurface::createWidget(QWidget* parent) { return new SurfaceWidget(parent, *this); }

void SpriteSurface::Attach(const SpritePtr& sprite) {
    if (!sprite || sprite->surface_ == this) return;
    if (sprite->surface_) sprite->surface_->detach(sprite.get());
    sprite->surface_ = this;
    sprite->attachSerial_ = ++nextAttachSerial;
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

void SpriteSurface::findContacts() const {
    Scratch& sc = *scratch_;
    sc.boxes.clear();
    sc.byLeft.clear();
    sc.found.clear();
    for (uint32_t i = 0; i < attached_.size(); ++i) {
        const Sprite& s = *attached_[i];
        const Picture* image = s.Image.get();
        if (s.Group == 0 || !image || image->Width() == 0 || image->Height() == 0) continue;
        sc.byLeft.push_back(uint64_t(uint32_t(s.X) ^ 0x80000000u) << 32 | sc.boxes.size());
        sc.boxes.push_back({s.X, s.Y, int64_t(s.X) + image->Width(), int64_t(s.Y) + image->Height(),
                            &image->Mask(), s.Group, i});
    }
    std::sort(sc.byLeft.begin(), sc.byLeft.end());
    sc.sorted.clear();
    for (uint64_t k : sc.byLeft)
        sc.sorted.push_back(sc.boxes[uint32_t(k)]);

    // Sweep along x: in order of left edges, a box can only meet the boxes that start
    // before its right edge.
    const std::size_t n = sc.sorted.size();
    const Scratch::Box* boxes = sc.sorted.data();
    for (std::size_t i = 0; i < n; ++i) {
        const Scratch::Box& bi = boxes[i];
        for (std::size_t j = i + 1; j < n && boxes[j].left < bi.right; ++j) {
            const Scratch::Box& bj = boxes[j];
            if (bj.top >= bi.bottom || bi.top >= bj.bottom) continue;
            if (!groupsCollide(bi.group, bj.group)) continue;
            if (!masksOverlap(*bi.mask, int(bi.left), int(bi.top), *bj.mask, int(bj.left),
                              int(bj.top)))
                continue;
            const uint32_t lo = std::min(bi.order, bj.order), hi = std::max(bi.order, bj.order);
            sc.found.push_back(uint64_t(lo) << 32 | hi);
        }
    }

    // Into reporting order: a counting sort on the earlier index, then each (short) run of
    // one earlier index sorted by the later.
    const std::size_t order = attached_.size();
    sc.runStart.assign(order + 1, 0);
    for (uint64_t p : sc.found)
        ++sc.runStart[(p >> 32) + 1];
    for (std::size_t k = 0; k < order; ++k)
        sc.runStart[k + 1] += sc.runStart[k];
    sc.pairs.resize(sc.found.size());
    for (uint64_t p : sc.found)
        sc.pairs[sc.runStart[p >> 32]++] = p;
    // runStart[k] is now the end of run k, and the start of run k + 1.
    for (std::size_t k = 0, begin = 0; k < order; begin = sc.runStart[k++]) {
        auto first = sc.pairs.begin() + std::ptrdiff_t(begin);
        auto last = sc.pairs.begin() + std::ptrdiff_t(sc.runStart[k]);
        if (last - first > 1) std::sort(first, last);
    }
}

std::vector<std::pair<SpriteSurface::SpritePtr, SpriteSurface::SpritePtr>>
SpriteSurface::contacts() const {
    findContacts();
    std::vector<std::pair<SpritePtr, SpritePtr>> result;
    result.reserve(scratch_->pairs.size());
    for (uint64_t p : scratch_->pairs)
        result.emplace_back(attached_[p >> 32], attached_[uint32_t(p)]);
    return result;
}

void SpriteSurface::Update() {
    // A handler may drop the last outside reference to the surface (closing its window).
    const auto keepAlive = weak_from_this().lock();
    Event_NextFrame();

    // The frame's pairs are taken now, on the positions after NextFrame. The outermost
    // Update reuses the scratch list; one run from inside a handler needs a list of its own.
    std::vector<Scratch::Contact> nested;
    auto& frame = updateDepth_ == 0 ? scratch_->frame : nested;
    struct Depth {
        SpriteSurface& s;
        std::vector<Scratch::Contact>& frame;
        ~Depth() {
            frame.clear(); // releases the sprites, also when a handler throws
            --s.updateDepth_;
        }
    } depth{*this, frame};
    ++updateDepth_;

    findContacts();
    frame.clear();
    for (uint64_t p : scratch_->pairs) {
        const SpritePtr& a = attached_[p >> 32];
        const SpritePtr& b = attached_[uint32_t(p)];
        frame.push_back({a, b, a->attachSerial_, b->attachSerial_});
    }
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const auto& c = frame[i];
        // Closed by an earlier handler of this frame (and perhaps attached again since,
        // which makes it new to this frame): not reported.
        if (c.a->surface_ != this || c.a->attachSerial_ != c.serialA) continue;
        if (c.b->surface_ != this || c.b->attachSerial_ != c.serialB) continue;
        Event_Collision(c.a, c.b);
    }
    requestRepaint();
}

std::shared_ptr<Picture> SpriteSurface::Snapshot() const {
    auto picture = NewPicture(Width(), Height());
    QImage& img = picture->impl().image;
    if (!img.isNull()) {
        QPainter p(&img);
        paintSurface(p, *this, 1);
    }
    picture->changed();
    recordPixels(*picture);
    return picture;
}

bool SpriteSurface::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "FrameSpeed")) return AssignProperty(FrameSpeed, value);
    if (SameName(name, "ClickToStop")) return AssignProperty(ClickToStop, value);
    return RectControl::SetProperty(name, value);
}
