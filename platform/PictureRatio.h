#pragma once
// Inside the platform only: pictures shown at the device pixel ratio of the screen.
//
// The program reads a picture's pixels and judges sprite contacts on them, so the picture
// proper stays in the program's own (100 %) pixels at every scale. To show it sharp on a
// screen at 125, 150 or 200 %, a picture also keeps the drawing calls that made it, and
// replays them at the screen's ratio when a widget on such a screen paints it. At 100 %
// nothing is replayed and the kept calls cost one small record each.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

class Picture;
struct PictureRecording;

// One drawing call, as it is replayed.
struct DrawStep {
    enum class Kind { FillRect, FillOval, Text, Picture, Svg, Raster };
    DrawStep(Kind kind, const QRectF& box, const QColor& colour = QColor())
        : kind(kind), box(box), colour(colour) {}
    Kind kind;
    QRectF box;       // FillRect, FillOval: the area; Text, Picture: topLeft is the point
    QColor colour;    // FillRect, FillOval, Text
    QString text;     // Text
    int textSize = 0; // Text: the font's pixel size
    // Picture: what the drawn picture held at the time, and whether its white was cleared.
    std::shared_ptr<const PictureRecording> source;
    bool clearWhite = false;
    QByteArray svg; // Svg: the document, drawn at its own size from (0, 0)
    QImage raster;  // Raster: 100 % pixels, stretched over the whole picture
};

// The calls that made a picture of width x height, oldest first. Shared, unchanged, by the
// pictures that drew it; the owner copies it before drawing more once it is shared.
struct PictureRecording {
    int width = 0;
    int height = 0;
    std::vector<DrawStep> steps;
    // The last replay at a ratio other than 1, and the same with its white cleared.
    mutable QImage shown;
    mutable QImage shownWithoutWhite;
    mutable qreal shownRatio = 0;
};

// Adds a drawing call that has just been drawn into the picture's own pixels.
void recordStep(Picture& picture, DrawStep step);
// The picture's pixels, set other than through Graphics, stand for everything drawn so far:
// they are stretched when shown at another ratio.
void recordPixels(Picture& picture);
// The picture was rendered from this SVG document: it is rendered again at other ratios.
void recordSvg(Picture& picture, const QByteArray& svg);

// The picture as it is drawn (see drawableImage) for a device of that pixel ratio: at 1 the
// picture's own image; otherwise an image of that ratio (its devicePixelRatio set), the
// picture's size in device-independent pixels.
QImage drawableImage(const Picture& picture, qreal ratio);
