#pragma once
// Tests of how the program meets the desktop: how its texts read under the desktop's colour
// scheme, and what it asks of the window system.

#include <cstdint>
#include <memory>

class RectControl;
class Window;

namespace uitest {
// For its lifetime the desktop's colour scheme is a dark one (qt6ct's "darker": light text
// on a near-black window), handed to the program as a desktop hands it over; the scheme
// before comes back when it goes.
class DarkDesktop {
  public:
    DarkDesktop();
    ~DarkDesktop();
    DarkDesktop(const DarkDesktop&) = delete;
    DarkDesktop& operator=(const DarkDesktop&) = delete;

  private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// How a control's text shows in its window, as painted there: the colour of the ground
// (the commonest in its rectangle) and of the ink (the one that stands out most from the
// ground), as 0xRRGGBB, and the contrast between them (WCAG's ratio, 1 to 21).
struct ShownTextColours {
    uint32_t ground = 0;
    uint32_t ink = 0;
    double contrast = 1.0;
};
ShownTextColours ShownColoursOf(const RectControl& control);
} // namespace uitest

namespace uitest {
// How many times the platform has asked the window system to activate a window so far.
uint64_t ActivationRequests();
// Whether a message box shown now would belong to the window (have it as its parent).
bool MessageBoxWouldBelongTo(const Window& window);
} // namespace uitest
