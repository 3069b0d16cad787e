#include "platform/PictureImpl.h"

#include <QFont>
#include <QPainter>

#include <algorithm>

Picture::Picture(int width, int height, int)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), graphics_(*this),
      impl_(std::make_unique<Impl>()) {
    if (width_ > 0 && height_ > 0) {
        impl_->image = QImage(width_, height_, QImage::Format_ARGB32_Premultiplied);
        impl_->image.fill(Qt::transparent);
    }
}

Picture::~Picture() = default;

std::shared_ptr<Picture> NewPicture(int width, int height, int depth) {
    return std::make_shared<Picture>(width, height, depth);
}

uint32_t Picture::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return qUnpremultiply(impl_->image.pixel(x, y));
}

const OpacityMask& Picture::Mask() const {
    if (maskVersion_ == version_ && maskTransparent_ == Transparent) return mask_;
    mask_.width = width_;
    mask_.height = height_;
    mask_.wordsPerRow = (width_ + 63) / 64;
    mask_.bits.assign(std::size_t(mask_.wordsPerRow) * std::size_t(height_), 0);
    const bool whiteClear = Transparent == 1;
    for (int y = 0; y < height_; ++y) {
        auto line = reinterpret_cast<const QRgb*>(impl_->image.constScanLine(y));
        for (int x = 0; x < width_; ++x) {
            QRgb p = line[x];
            bool opaque = qAlpha(p) >= 128;
            if (opaque && whiteClear && (qUnpremultiply(p) & 0xFFFFFF) == 0xFFFFFF) opaque = false;
            if (opaque) mask_.bits[std::size_t(y * mask_.wordsPerRow + x / 64)] |= uint64_t(1) << (x % 64);
        }
    }
    maskVersion_ = version_;
    maskTransparent_ = Transparent;
    return mask_;
}

QImage drawableImage(const Picture& picture) {
    const QImage& img = picture.impl().image;
    if (picture.Transparent != 1 || img.isNull()) return img;
    QImage copy = img.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < copy.height(); ++y) {
        auto line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if ((line[x] & 0xFFFFFF) == 0xFFFFFF) line[x] = 0;
    }
    return copy.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {
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

void Graphics::FillOval(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    paintOn(owner_, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(ForeColor));
        p.drawEllipse(QRectF(x, y, width, height));
    });
}

void Graphics::FillRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    paintOn(owner_, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(x, y, width, height), toQColor(ForeColor));
    });
}

void Graphics::DrawRect(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return;
    paintOn(owner_, [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QColor c = toQColor(ForeColor);
        p.fillRect(QRect(x, y, width, 1), c);
        p.fillRect(QRect(x, y + height - 1, width, 1), c);
        p.fillRect(QRect(x, y, 1, height), c);
        p.fillRect(QRect(x + width - 1, y, 1, height), c);
    });
}

void Graphics::DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int, int, int,
                           int, int, int) {
    if (!picture || picture->Width() == 0 || picture->Height() == 0) return;
    QImage src = drawableImage(*picture);
    paintOn(owner_, [&](QPainter& p) { p.drawImage(QPoint(x, y), src); });
}

void Graphics::DrawString(const std::string& text, int x, int y, int, bool) {
    if (text.empty()) return;
    paintOn(owner_, [&](QPainter& p) {
        QFont font = p.font();
        font.setPixelSize(std::max(TextSize, 1));
        p.setFont(font);
        p.setPen(toQColor(ForeColor));
        p.drawText(QPoint(x, y), QString::fromUtf8(text.data(), qsizetype(text.size())));
    });
}
