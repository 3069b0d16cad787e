#include "platform/testing/ShownImage.h"
#include "platform/Control.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace uitest {

ShownImage GrabShown(const RectControl& control) {
    QWidget* w = control.widget();
    if (!w) return {};
    const QPixmap grabbed = w->grab();
    const QImage image = grabbed.toImage().convertToFormat(QImage::Format_ARGB32);
    ShownImage shown{image.width(), image.height(), grabbed.devicePixelRatio(), {}};
    shown.pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        auto line = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
        shown.pixels.insert(shown.pixels.end(), line, line + image.width());
    }
    return shown;
}

bool SaveShown(const ShownImage& shown, const std::string& path) {
    if (shown.width == 0 || shown.height == 0) return false;
    const QImage image(reinterpret_cast<const uchar*>(shown.pixels.data()), shown.width,
                       shown.height, QImage::Format_ARGB32);
    return image.save(QString::fromStdString(path), "PNG");
}

} // namespace uitest
