#pragma once
// Inside the platform only: the Qt image behind a Picture.

#include "platform/Picture.h"

#include <QColor>
#include <QImage>

#include <memory>

struct PictureRecording;

struct Picture::Impl {
    QImage image; // ARGB32 premultiplied; null for an empty picture
    // What was drawn, for showing the picture at other pixel ratios (PictureRatio.h); null
    // while nothing is.
    std::shared_ptr<PictureRecording> recording;
    // The image as drawn with Transparent = 1, rebuilt when the picture's Version moves on.
    mutable QImage whiteCleared;
    mutable uint64_t whiteClearedVersion = ~uint64_t(0);
};

inline QColor toQColor(Color c) { return QColor(c.red, c.green, c.blue); }

// A copy of the image with its white pixels cleared, as Transparent = 1 draws it.
QImage withoutWhite(const QImage& image);

// The image as it is drawn: with Transparent = 1 its white pixels cleared. Cheap to call
// repeatedly: the cleared copy is cached until the picture changes.
QImage drawableImage(const Picture& picture);
