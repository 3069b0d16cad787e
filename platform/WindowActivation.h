#pragma once
// Inside the platform only: asking the window system for the keyboard, and the window a
// message box belongs to.
//
// Activating a window (bringing it to the front with the keyboard) is a request to the window
// system; on Wayland the compositor may grant it, refuse it or mark the window as wanting
// attention. So the platform asks only for a window that is not already the active one,
// which also leaves out a window's own activation, during which it is the active one.

#include <cstdint>

class QWidget;

// Asks for the top-level widget to become the active window, unless it already is.
void RequestActivation(QWidget* top);
// How many requests the platform has made so far (for tests).
uint64_t ActivationRequestsMade();

// The window a message box shown now belongs to: the active modal window, else the active
// window, else the main window while it is shown; nullptr when there is none. Right after a
// dialog closes no window is active yet, and a box without a parent would be a window of its
// own, placed anywhere.
QWidget* MessageBoxParent();
