#include "platform/PictureRatio.h"
#include "platform/PictureImpl.h"

#include <QFont>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace {

// A picture drawn into again and again would keep every call; past this many, what it
// holds is kept as pixels instead, stretched when shown at another ratio. The program's
// pictures take a handful of calls each.
constexpr std::size_t mostStepsKept = 256;

// The recording the owner may add to: its own, copied first when other pictures share it.
PictureRecording& ownRecording(Picture& picture) {
    auto& recording = picture.impl().recording;
    if (!recording) {
        recording = std::make_shared<PictureRecording>();
        recording->width = picture.Width();
        recording->height = picture.Height();
    } else if (recording.use_count() > 1) {
        recording = std::make_shared<PictureRecording>(*recording);
    }
    recording->shownRatio = 0; // what was shown is out of date
    return *recording;
}

DrawStep rasterStep(const Picture& picture) {
    DrawStep step{DrawStep::Kind::Raster, QRectF(0, 0, picture.Width(), picture.Height())};
    step.raster = picture.impl().image;
    return step;
}

QImage shownAt(const PictureRecording& recording, qreal ratio, bool clearWhite);

void replay(QPainter& p, const DrawStep& step, qreal ratio) {
    switch (step.kind) {
    case DrawStep::Kind::FillRect:
        p.fillRect(step.box, step.colour);
        break;
    case DrawStep::Kind::FillOval:
        p.setPen(Qt::NoPen);
        p.setBrush(step.colour);
        p.drawEllipse(step.box);
        break;
    case DrawStep::Kind::Text: {
        QFont font = p.font();
        font.setPixelSize(step.textSize);
        p.setFont(font);
        p.setPen(step.colour);
        p.drawText(step.box.topLeft(), step.text);
        break;
    }
    case DrawStep::Kind::Picture: {
        p.drawImage(step.box.topLeft(), shownAt(*step.source, ratio, step.clearWhite));
        break;
    }
    case DrawStep::Kind::Svg: {
        QSvgRenderer svg(step.svg);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        // Into the picture's own area: without one the document would fill the whole image,
        // whose size is in device pixels.
        svg.render(&p, step.box);
        break;
    }
    case DrawStep::Kind::Raster:
        p.drawImage(step.box, step.raster);
        break;
    }
}

// The recording drawn afresh at the ratio (kept until its owner draws more).
QImage render(const PictureRecording& recording, qreal ratio) {
    if (recording.shownRatio == ratio && !recording.shown.isNull()) return recording.shown;
    // Whole device pixels covering the picture; the last row and column may reach a little
    // past its edge at a fractional ratio, and stay clear.
    QImage image(int(std::ceil(recording.width * ratio)), int(std::ceil(recording.height * ratio)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio); // the painter then works in the picture's own pixels
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.setClipRect(QRectF(0, 0, recording.width, recording.height));
        for (const DrawStep& step : recording.steps)
            replay(p, step, ratio);
    }
    recording.shown = image;
    recording.shownWithoutWhite = QImage();
    recording.shownRatio = ratio;
    return image;
}

QImage shownAt(const PictureRecording& recording, qreal ratio, bool clearWhite) {
    QImage shown = render(recording, ratio);
    if (!clearWhite) return shown;
    if (recording.shownWithoutWhite.isNull()) recording.shownWithoutWhite = withoutWhite(shown);
    return recording.shownWithoutWhite;
}

} // namespace

void recordStep(Picture& picture, DrawStep step) {
    PictureRecording& recording = ownRecording(picture);
    if (recording.steps.size() >= mostStepsKept) {
        // The step has been drawn into the pixels already: they stand for it too.
        recording.steps.assign(1, rasterStep(picture));
        return;
    }
    recording.steps.push_back(std::move(step));
}

void recordPixels(Picture& picture) {
    if (picture.Width() == 0 || picture.Height() == 0) return;
    ownRecording(picture).steps.assign(1, rasterStep(picture));
}

void recordSvg(Picture& picture, const QByteArray& svg) {
    if (picture.Width() == 0 || picture.Height() == 0) return;
    DrawStep step{DrawStep::Kind::Svg, QRectF(0, 0, picture.Width(), picture.Height())};
    step.svg = svg;
    ownRecording(picture).steps.assign(1, std::move(step));
}

QImage drawableImage(const Picture& picture, qreal ratio) {
    const auto& recording = picture.impl().recording;
    // Nothing drawn is as clear at every ratio.
    if (ratio == 1 || !recording) return drawableImage(picture);
    return shownAt(*recording, ratio, picture.Transparent == 1);
}
