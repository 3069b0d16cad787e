#pragma once
// Inside the platform only: which texts take the desktop's colours.
//
// Black, the text colour the property lists give every label, was the colour of a framework
// whose windows were always light. On today's desktops a window without a colour of its own
// shows the desktop's window colour, dark under a dark scheme; so a black label that stands
// straight on such a window is drawn in the desktop's window-text colour, as the toolkit's
// own labels are (black under the default light scheme), and follows the desktop when it
// changes scheme. A label that stands on something the program colours itself (a window
// with a back colour, a Rectangle, a Canvas, a sprite surface) keeps the program's colour, and
// so does any label colour other than black.
//
// Text fields keep the program's colours (black on white by default): they stand on their
// own white ground, whatever the desktop.

#include "platform/Color.h"

class QWidget;
class StaticText;

// Gives the label's widget its text colour by the rule above.
void ApplyLabelTextColour(const StaticText& label, QWidget* widget);
