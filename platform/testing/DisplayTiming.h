#pragma once
// Timing the program on a real display: the painting that the program's work has asked
// for, done at once and waited for, so that a benchmark can charge it to that work.

class Window;

namespace uitest {
// Paints now what is waiting to be painted in the window (what its controls have asked
// for since the last paint), hands it to the window system and waits until the display
// server has taken it (one round trip).
void PaintPendingNow(const Window& window);
// The resident set size of this process in kilobytes (0 where it cannot be read).
long ResidentKilobytes();
} // namespace uitest
