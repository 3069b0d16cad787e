#include "platform/PictureImpl.h"
#include "platform/PictureRatio.h"
#include "platform/QtText.h"

#include <QFont>
#include <QPainter>

#include <map>

#include <algorithm>

Picture::Picture(int width, int height, int)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), graphics_(*this),
      impl_(std::make_unique<Impl>()) {
    if (width_ > 0 && height_ > 0) {
        impl_->image = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
        impl_->image.fill(Qt::transparent);
    }
    // A size the image cannot be made at (Qt returns a null image) gives an empty picture,
    // so Width and Height always describe pixels that exist.
    if (impl_->image.isNull()) width_ = height_ = 0;
}

Picture::~Picture() = default;

std::shared_ptr<Picture> NewPicture(int width, int height, int depth) {
    return std::make_shared<Picture>(width, height, depth);
}

uint32_t Picture::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return qUnpremultiply(impl_->image.pixel(x, y));
}

namespace {
// A premultiplied pixel that Transparent = 1 clears: any visible pixel whose colour is white.
inline bool isWhite(QRgb premultiplied) {
    return qAlpha(premultiplied) != 0 && (qUnpremultiply(premultiplied) & 0xFFFFFF) == 0xFFFFFF;
}
} // namespace

const OpacityMask& Picture::Mask() const {
    if (maskVersion_ == version_ && maskTransparent_ == Transparent) return mask_;
    mask_.width = width_;
    mask_.height = height_;
    mask_.wordsPerRow = (width_ + 63) / 64;
    mask_.bits.assign(std::size_t(mask_.wordsPerRow) * std::size_t(height_), 0);
    const bool whiteClear = Transparent == 1;
    for (int y = 0; y < height_; ++y) {
        auto line = reinterpret_cast<const QRgb*>(impl_->image.constScanLine(y));
        uint64_t* row = mask_.bits.data() + std::size_t(y) * std::size_t(mask_.wordsPerRow);
        for (int x = 0; x < width_; ++x) {
            QRgb p = line[x];
            bool opaque = qAlpha(p) >= 128 && !(whiteClear && isWhite(p));
            if (opaque) row[x / 64] |= uint64_t(1) << (x % 64);
        }
    }
    maskVersion_ = version_;
    maskTransparent_ = Transparent;
    return mask_;
}

QImage drawableImage(const Picture& picture) {
    const QImage& img = picture.impl().image;
    if (picture.Transparent != 1 || img.isNull()) return img;
    const Picture::Impl& impl = picture.impl();
    if (impl.whiteClearedVersion != picture.Version() || impl.whiteCleared.isNull()) {
        impl.whiteCleared = withoutWhite(img);
        impl.whiteClearedVersion = picture.Version();
    }
    return impl.whiteCleared;
}

QImage withoutWhite(const QImage& image) {
    QImage copy = image.copy();
    for (int y = 0; y < copy.height(); ++y) {
        auto line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if (isWhite(line[x])) line[x] = 0;
    }
    return copy;
}

namespace {

// The part of the rectangle inside the image, computed without overflow; empty if none.
QRect clipToImage(const QImage& img, int x, int y, int width, int height) {
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t(x) + width, img.width());
    const int64_t bottom = std::min<int64_t>(int64_t(y) + height, img.height());
    if (left >= right || top >= bottom) return QRect();
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

// Runs a drawing operation on the picture's image, if it has one.
template <typename F> void paintOn(Picture& picture, F&& draw) {
    QImage& img = picture.impl().image;
    if (img.isNull()) return;
    {
        QPainter painter(&img);
        painter.setRenderHint(QPainter::Antialiasing, true);
        draw(painter);
    }
    picture.changed();
}

} // namespace

namespace {

// The coverage of an antialiased ellipse that fills a width x height box, one byte a pixel.
// The animals draw the same few small discs again and again, so each size is rasterised
// once; a large or unusual oval is not kept.
const QImage* ovalCoverage(int width, int height) {
    constexpr int largestKept = 64;
    constexpr std::size_t sizesKept = 32;
    static std::map<std::pair<int, int>, QImage> kept;
    if (width > largestKept || height > largestKept) return nullptr;
    const auto key = std::pair{width, height};
    if (auto it = kept.find(key); it != kept.end()) return &it->second;
    if (kept.size() >= sizesKept) return nullptr;
    QImage mask(width, height, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(QRectF(0, 0, width, height));
    }
    return &kept.emplace(key, std::move(mask)).first->second;
}

// Source-over of an opaque colour at coverage c onto a premultiplied pixel.
uint32_t blend(uint32_t dst, QRgb colour, uint32_t c) {
    auto part = [](uint32_t v, uint32_t k) { return (v * k + 127) / 255; };
    const uint32_t keep = 255 - c;
    const uint32_t a = c + part(qAlpha(dst), keep);
    const uint32_t r = part(uint32_t(qRed(colour)), c) + part(uint32_t(qRed(dst)), keep);
    const uint32_t g = part(uint32_t(qGreen(colour)), c) + part(uint32_t(qGreen(dst)), keep);
    const uint32_t b = part(uint32_t(qBlue(colour)), c) + part(uint32_t(qBlue(dst)), keep);
    return (a << 24) | (r << 16) | (g << 8) | b;
}

} // namespace

void Graphics::FillOval(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    QImage& img = owner_.impl().image;
    const QRect area = clipToImage(img, x, y, width, height);
    if (area.isEmpty()) return;
    const QImage* coverage = ovalCoverage(width, height);
    const DrawStep step{DrawStep::Kind::FillOval, QRectF(x, y, width, height), toQColor(ForeColor)};
    if (!coverage) {
        paintOn(owner_, [&](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(step.colour);
            p.drawEllipse(step.box);
        });
        recordStep(owner_, step);
        return;
    }
    // The same pixels as the painter would give, without a painter per disc.
    const QRgb colour = qRgb(ForeColor.red, ForeColor.green, ForeColor.blue);
    for (int row = area.top(); row <= area.bottom(); ++row) {
        auto* line = reinterpret_cast<uint32_t*>(img.scanLine(row));
        const uchar* cover = coverage->constScanLine(row - y);
        for (int col = area.left(); col <= area.right(); ++col)
            if (const uint32_t c = cover[col - x]) line[col] = blend(line[col], colour, c);
    }
    owner_.changed();
    recordStep(owner_, step);
}

void Graphics::FillRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    QRect area = clipToImage(owner_.impl().image, x, y, width, height);
    if (area.isEmpty()) return;
    paintOn(owner_, [&](QPainter& p) { p.fillRect(area, toQColor(ForeColor)); });
    recordStep(owner_, {DrawStep::Kind::FillRect, area, toQColor(ForeColor)});
}

void Graphics::DrawRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    const QImage& img = owner_.impl().image;
    if (clipToImage(img, x, y, width, height).isEmpty()) return;
    // The four sides, each clipped on its own; the far sides in 64 bits, as x + width - 1
    // may not fit an int.
    const int64_t farX = int64_t(x) + width - 1, farY = int64_t(y) + height - 1;
    const QRect sides[] = {
        clipToImage(img, x, y, width, 1),
        clipToImage(img, x, int(std::clamp<int64_t>(farY, INT32_MIN, INT32_MAX)), width, 1),
        clipToImage(img, x, y, 1, height),
        clipToImage(img, int(std::clamp<int64_t>(farX, INT32_MIN, INT32_MAX)), y, 1, height),
    };
    paintOn(owner_, [&](QPainter& p) {
        const QColor c = toQColor(ForeColor);
        for (const QRect& side : sides)
            if (!side.isEmpty()) p.fillRect(side, c);
    });
    for (const QRect& side : sides)
        if (!side.isEmpty())
            recordStep(owner_, {DrawStep::Kind::FillRect, side, toQColor(ForeColor)});
}

namespace {
void describe(Picture& picture, const std::string& words) {
    if (words.empty()) return;
    picture.Description += (picture.Description.empty() ? "" : ", ") + words;
}
} // namespace

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int, int, int,
                           int, int, int) {
    if (!picture || picture->Width() == 0 || picture->Height() == 0) return;
    if (clipToImage(owner_.impl().image, x, y, picture->Width(), picture->Height()).isEmpty())
        return;
    QImage src = drawableImage(*picture);
    paintOn(owner_, [&](QPainter& p) { p.drawImage(QPoint(x, y), src); });
    if (const auto& drawn = picture->impl().recording) {
        DrawStep step{DrawStep::Kind::Picture, QRectF(x, y, 0, 0)};
        step.source = drawn;
        step.clearWhite = picture->Transparent == 1;
        recordStep(owner_, std::move(step));
    }
    describe(owner_, picture->Description);
}

void Graphics::DrawString(const std::string& text, int x, int y, int, bool) {
    if (text.empty()) return;
    paintOn(owner_, [&](QPainter& p) {
        QFont font = p.font();
        font.setPixelSize(std::max(TextSize, 1));
        p.setFont(font);
        p.setPen(toQColor(ForeColor));
        p.drawText(QPoint(x, y), toQt(text));
    });
    if (owner_.impl().image.isNull()) return;
    describe(owner_, text);
    DrawStep step{DrawStep::Kind::Text, QRectF(x, y, 0, 0), toQColor(ForeColor)};
    step.text = toQt(text);
    step.textSize = std::max(TextSize, 1);
    recordStep(owner_, std::move(step));
}
