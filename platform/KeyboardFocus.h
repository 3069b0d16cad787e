#pragma once
// Inside the platform only: where the keyboard stays for a user who works by keyboard alone.

class QRect;
class QWidget;

// While it lives, the push button is pressed by the keyboard and runs its action. Should
// the action give the button's window the keyboard, the keyboard stays on that button, or
// on the push button that took its place when the action hid or disabled it; a second
// Space presses at the same place again.
class KeyboardPress {
  public:
    explicit KeyboardPress(QWidget* button);
    ~KeyboardPress();
    KeyboardPress(const KeyboardPress&) = delete;
    KeyboardPress& operator=(const KeyboardPress&) = delete;

    struct State;

  private:
    State* state_;
    State* outer_; // the press whose action this one runs inside (a dialog's loop)
};

// Whether the keyboard stays where it is when the window would take it into `client`:
// true while a push button of that window, pressed by the keyboard, runs its action.
bool keyboardStaysOnPressedButton(QWidget* window, QWidget* client);

// From now on the widget notes how the keyboard comes to it: by Tab or Shift+Tab, or by a
// click (or the program). A click on it counts as a click.
void followKeyboardArrival(QWidget* widget);
// Draws the style's focus mark on `area` of the widget (from its paint event) while the
// widget has the keyboard and the keyboard came to it by Tab: for the widgets whose own look
// shows no focus (a field without a frame, a button drawn as the default either way). After
// a click it draws nothing, so a mouse user sees the widget as ever.
void paintKeyboardFocusMark(QWidget* widget, const QRect& area);
