#include "platform/testing/DesktopTesting.h"
#include "platform/Control.h"
#include "platform/Window.h"
#include "platform/WindowActivation.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace uitest {

namespace {
double luminance(QRgb c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace

struct DarkDesktop::Saved {
    QPalette palette;
};

DarkDesktop::DarkDesktop() : saved_(std::make_unique<Saved>(Saved{QApplication::palette()})) {
    QPalette dark(QColor(0xffffff), QColor(0x424245), QColor(0x979797), QColor(0x302f2e),
                  QColor(0x4a4947), QColor(0xffffff), QColor(0xffffff), QColor(0x3d3d3d),
                  QColor(0x222020));
    dark.setColor(QPalette::ButtonText, QColor(0xffffff));
    dark.setColor(QPalette::Highlight, QColor(0x12608a));
    dark.setColor(QPalette::HighlightedText, QColor(0xf9f9f9));
    QApplication::setPalette(dark);
}

DarkDesktop::~DarkDesktop() { QApplication::setPalette(saved_->palette); }

ShownTextColours ShownColoursOf(const RectControl& control) {
    QWidget* w = control.widget();
    if (!w || !w->window()) return {};
    QWidget* top = w->window();
    const QImage image = top->grab(QRect(w->mapTo(top, QPoint(0, 0)), w->size()))
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) & 0xffffff];
    if (counts.empty()) return {};
    const QRgb ground = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                            return a.second < b.second;
                        })->first;
    ShownTextColours shown{ground, ground, 1.0};
    for (auto& [colour, n] : counts)
        if (double c = contrast(colour, ground); c > shown.contrast) shown = {ground, colour, c};
    return shown;
}

uint64_t ActivationRequests() { return ActivationRequestsMade(); }

bool MessageBoxWouldBelongTo(const Window& window) {
    return window.topLevelWidget() && MessageBoxParent() == window.topLevelWidget();
}

} // namespace uitest
