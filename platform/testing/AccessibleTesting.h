#pragma once
// What assistive technology is told about the windows and controls, read headless through
// the toolkit's accessibility interfaces (the same ones its AT-SPI bridge reads).

#include <functional>
#include <string>
#include <vector>

class QWidget;
class RectControl;
class Window;

namespace uitest {
struct AccessibleView {
    std::string role; // "text", "combo box", "radio button", "dialog", "window", "graphic", ...
    std::string name;
    std::string description;
    bool checked = false;
    std::vector<std::string> labelledBy; // the names of what labels it
};
// Turns the toolkit's accessibility on (as a screen reader does) and reads the control or
// window.
AccessibleView Accessible(const RectControl& control);
AccessibleView Accessible(const Window& window);

// A piece of a text field's text as assistive technology asks for it: the unit before, at or
// after an offset (-2: the cursor), with where it starts and ends (-1 for none).
enum class TextUnit { Character, Word, Sentence, Paragraph, Line };
enum class TextSide { Before, At, After };
struct TextPiece {
    std::string text;
    int start = -1, end = -1;
    bool operator==(const TextPiece&) const = default;
};
TextPiece AccessibleText(const RectControl& field, TextSide side, TextUnit unit, int offset);

// Records, while it lives, what the toolkit tells assistive technology has changed: one
// entry per change, "name:<control>" or "description:<control>", the control by its Name
// ("(window)" for a window).
class AccessibleChanges {
  public:
    AccessibleChanges();
    ~AccessibleChanges();
    AccessibleChanges(const AccessibleChanges&) = delete;
    AccessibleChanges& operator=(const AccessibleChanges&) = delete;
    std::vector<std::string> seen;

  private:
    std::function<void(QWidget*, const char*)> previous_;
};
} // namespace uitest
