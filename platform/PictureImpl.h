#pragma once
// Inside the platform only: the Qt image behind a Picture.

#include "platform/Picture.h"

#include <QColor>
#include <QImage>

struct Picture::Impl {
    QImage image; // ARGB32 premultiplied; null for an empty picture
};

inline QColor toQColor(Color c) { return QColor(c.red, c.green, c.blue); }

// The image as it is drawn: with Transparent = 1 its white pixels cleared.
QImage drawableImage(const Picture& picture);
