#include "platform/DesktopColors.h"
#include "platform/Controls.h"
#include "platform/PictureImpl.h"
#include "platform/SpriteSurface.h"
#include "platform/Window.h"

#include <QPalette>
#include <QRect>
#include <QWidget>

namespace {

QRect rectOf(const RectControl& c) { return QRect(c.Left(), c.Top(), c.Width(), c.Height()); }

// The controls that paint their whole area in colours of the program's choosing.
bool paintsOwnGround(const Control& c) {
    return dynamic_cast<const Rectangle*>(&c) || dynamic_cast<const Canvas*>(&c) ||
           dynamic_cast<const SpriteSurface*>(&c);
}

// Whether the label stands on something the program colours: a window with a back colour,
// or a coloured control that it lies inside (as its parent, or with its middle on it).
bool standsOnProgramColour(const StaticText& label) {
    const ::Window* window = label.Window();
    if (!window) return false;
    if (window->HasBackColor) return true;
    const QPoint middle = rectOf(label).center();
    for (const auto& c : window->Controls()) {
        auto ground = dynamic_cast<const RectControl*>(c.get());
        if (!ground || ground == &label || !ground->Visible() || !paintsOwnGround(*ground))
            continue;
        if ((!label.InitialParent.empty() && ground->Name == label.InitialParent) ||
            rectOf(*ground).contains(middle))
            return true;
    }
    return false;
}

} // namespace

void ApplyLabelTextColour(const StaticText& label, QWidget* widget) {
    if (!widget) return;
    if (label.TextColor == Color{0, 0, 0} && !standsOnProgramColour(label)) {
        // No colour of its own: the label takes the desktop's window text through its
        // window, now and whenever the desktop's palette changes.
        widget->setPalette(QPalette());
        return;
    }
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, toQColor(label.TextColor));
    widget->setPalette(p);
}
