#pragma once
// What assistive technology (a screen reader, over AT-SPI) is told about the windows and
// controls. Nothing here changes what is shown.
//
// - A static text that ends just left of a text field or popup menu on its row, or else
//   stands right above it, labels it: the field is named by it and labelled by it.
// - A dialog or floating window is a dialog; a window with a blank title is named by its
//   first static text.
// - A sprite surface is named by the static text or text field right above it (a field by
//   its text, else by its own accessible name), and described by the static text just right
//   of it on its rows (its count). A canvas is named by what its backdrop shows.
// - A control's AccessibleName names it where no text beside it does.
// - A one-line text field cuts its text into characters, words, sentences and its line
//   itself, for any offset: the toolkit's own search never returns for a text that starts
//   before its first word. A password field gives none of its text, not even as the name of
//   a surface below it.

#include <functional>

class QWidget;
class RectControl;
class Window;

// Before a window makes its widgets: the platform's descriptions take over from the toolkit's.
void AccessibilityPrepare();
// Once a window's controls are widgets: the fields and popup menus take their labels.
void AccessibilityWindowBuilt(Window& window);
// A control's text or picture changed: it and the controls it names or describes say so.
void AccessibilityTextChanged(const RectControl& control);

namespace seams {
// Told of each change that the platform passes on to assistive technology ("name" or
// "description" of that widget), also where the toolkit has none to tell (headless). Returns
// the previous observer; an empty one stops.
using AccessibleChangeObserver = std::function<void(QWidget*, const char* change)>;
AccessibleChangeObserver setAccessibleChangeObserver(AccessibleChangeObserver observer);
} // namespace seams
