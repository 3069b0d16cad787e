#pragma once
// What assistive technology (a screen reader, over AT-SPI) is told about the windows and
// controls. Nothing here changes what is shown.
//
// - A static text that ends just left of a text field or popup menu on its row, or else
//   stands right above it, labels it: the field is named by it and labelled by it.
// - A dialog or floating window is a dialog; a window with a blank title is named by its
//   first static text.
// - A control's AccessibleName names it where no text beside it does.

class RectControl;
class Window;

// Before a window makes its widgets: the platform's descriptions take over from the toolkit's.
void AccessibilityPrepare();
// Once a window's controls are widgets: the fields and popup menus take their labels.
void AccessibilityWindowBuilt(Window& window);
// A control's text changed: the controls it names say so.
void AccessibilityTextChanged(const RectControl& control);
