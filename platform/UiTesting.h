#pragma once
// Driving windows and controls from tests as a user would: real mouse and key events sent
// through the window system (headless under the offscreen platform).

#include <functional>

class RectControl;
class Window;

namespace uitest {
// Runs the event loop for about `ms` milliseconds.
void ProcessEvents(int ms = 0);
// Runs the event loop until the condition holds or `timeoutMs` pass; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 2000);
// A left click in the middle of the control's widget.
void Click(RectControl& control);
// Mouse press, move and release at window client coordinates.
void Press(Window& window, int x, int y);
void Move(Window& window, int x, int y);
void Release(Window& window, int x, int y);
// Types text into the control's widget.
void Type(RectControl& control, const char* text);
// Presses Return in the window (its focused widget first).
void PressReturn(Window& window);
// Whether the window's widget is shown on screen.
bool IsShown(const Window& window);
// Whether input to the window is blocked by a modal window.
bool IsBlocked(const Window& window);
} // namespace uitest
