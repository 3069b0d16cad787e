#include "platform/Resources.h"

#include "platform/PictureImpl.h"
#include "platform/PictureRatio.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

seams::ResourceForkSource& installedSource() {
    static seams::ResourceForkSource source;
    return source;
}

bool sizeFits(int width, int height) {
    return width > 0 && height > 0 && width <= MaxResourcePictureSide &&
           height <= MaxResourcePictureSide;
}

std::shared_ptr<Picture> pictureFromImage(const QImage& image) {
    if (image.isNull() || !sizeFits(image.width(), image.height())) return nullptr;
    auto picture = NewPicture(image.width(), image.height(), 32);
    if (picture->Width() != image.width() || picture->Height() != image.height()) return nullptr;
    picture->impl().image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    picture->changed();
    recordPixels(*picture);
    return picture;
}

// Whether the root element declares a width or height of zero or less. The SVG reader
// takes such a size as unset and makes up one of its own from the content.
bool declaresEmptySize(const QByteArray& data) {
    QXmlStreamReader xml(data);
    while (!xml.atEnd() && !xml.isStartElement())
        xml.readNext();
    if (!xml.isStartElement()) return false;
    for (const char* name : {"width", "height"}) {
        const QString value = xml.attributes().value(QLatin1String(name)).toString().trimmed();
        // The number before any unit ("12", "12px", "0.5em"); a value without one is left
        // to the SVG reader.
        qsizetype end = 0;
        while (end < value.size() && (value[end].isDigit() || value[end] == u'.' ||
                                      (end == 0 && (value[end] == u'-' || value[end] == u'+'))))
            ++end;
        bool ok = false;
        const double number = value.left(end).toDouble(&ok);
        if (ok && number <= 0) return true;
    }
    return false;
}

// The text of the root element's <title>, which says what the drawing shows; empty without one.
std::string svgTitle(const QByteArray& data) {
    QXmlStreamReader xml(data);
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) --depth;
        if (!xml.isStartElement()) continue;
        if (++depth == 2 && xml.name() == QLatin1String("title"))
            return xml.readElementText().simplified().toStdString();
    }
    return {};
}

std::shared_ptr<Picture> pictureFromSvg(QSvgRenderer& svg, const QByteArray& data) {
    const QSize size = svg.defaultSize();
    if (!sizeFits(size.width(), size.height())) return nullptr;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return nullptr;
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        svg.render(&painter);
    }
    auto picture = pictureFromImage(image);
    // Shown at another pixel ratio, it is rendered from the drawing again.
    if (picture) recordSvg(*picture, data);
    return picture;
}

// The pictures as compiled in: ":/pictures/<id>.svg", or ".png" for a raster one.
class CompiledResources : public ResourceFork {
  public:
    std::shared_ptr<Picture> GetPicture(int32_t id) override {
        for (const char* extension : {".svg", ".png"}) {
            QFile file(QStringLiteral(":/pictures/") + QString::number(id) +
                       QString::fromLatin1(extension));
            if (!file.exists() || !file.open(QIODevice::ReadOnly)) continue;
            const QByteArray bytes = file.readAll();
            return PictureFromData(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        }
        return nullptr;
    }
};

} // namespace

ResourceFork::~ResourceFork() = default;

std::shared_ptr<Picture> ResourceFork::GetPicture(int32_t) { return nullptr; }

std::shared_ptr<ResourceFork> appResourceForkGetter() {
    if (installedSource()) return installedSource()();
    return std::make_shared<CompiledResources>();
}

std::shared_ptr<Picture> PictureFromData(std::string_view bytes) {
    if (bytes.empty()) return nullptr;
    const QByteArray data(bytes.data(), qsizetype(bytes.size()));
    // An SVG is judged by the SVG reader alone, its size included (the image readers would
    // give a zero-sized one some size of their own); anything else must be a raster image
    // that decodes whole.
    if (data.contains("<svg")) {
        QSvgRenderer svg;
        if (declaresEmptySize(data)) return nullptr;
        if (!svg.load(data) || !svg.isValid()) return nullptr;
        auto picture = pictureFromSvg(svg, data);
        if (picture) picture->Description = svgTitle(data);
        return picture;
    }
    QImage image;
    if (!image.loadFromData(data)) return nullptr;
    return pictureFromImage(image);
}

namespace seams {
ResourceForkSource setResourceForkSource(ResourceForkSource source) {
    ResourceForkSource previous = std::move(installedSource());
    installedSource() = std::move(source);
    return previous;
}
} // namespace seams
