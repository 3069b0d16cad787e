#pragma once
// Driving windows and controls from tests as a user would: real mouse and key events sent
// through the window system (headless under the offscreen platform).

#include "platform/Window.h"

#include <functional>
#include <memory>
#include <string>

class Picture;
class RectControl;

namespace uitest {
// Builds a control of the window at (left, top), width x height, and registers it under the
// name.
template <class C>
std::shared_ptr<C> PlaceControl(Window& window, const std::string& name, int left, int top,
                                int width, int height) {
    auto c = window.New<C>();
    c->setLeft(left), c->setTop(top), c->setWidth(width), c->setHeight(height);
    window.AddControl(name, c);
    return c;
}

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
// Whether the window is the active window, the one that takes the keyboard.
bool IsActive(const Window& window);
// Where in the window the keyboard focus is: the name of the control that has it,
// "(window)" for the window itself, or empty when it is not in the window.
std::string FocusedName(const Window& window);
} // namespace uitest

#include <vector>

namespace uitest {
// The titles of the menus in the window's menu bar, in order (empty without one).
std::vector<std::string> MenuTitles(const Window& window);
// The item texts of one menu ("-" for a separator) and their enabled states, as shown.
// Titles and texts are as the user reads them, mnemonic markers left out.
std::vector<std::string> MenuItemTexts(const Window& window, int menu);
std::vector<bool> MenuItemEnabled(const Window& window, int menu);
// The shortcut of an item as the window system shows it ("Ctrl+Q"), or empty.
std::string MenuItemShortcut(const Window& window, int menu, int item);
// Opens the menu as a click on its title would (raising the update before it shows), then
// closes it again.
void ShowMenu(const Window& window, int menu);
// Chooses an item as a click on it would.
void ChooseMenu(const Window& window, int menu, int item);
// The text on the desktop's clipboard, and putting text there.
std::string ClipboardText();
void SetClipboardText(const std::string& text);
// The size of the window's client area as shown.
std::pair<int, int> ClientSize(const Window& window);
// The centre of the window on the screen, frame and menu bar included, and of the screen's
// available area.
std::pair<int, int> WindowCentre(const Window& window);
std::pair<int, int> ScreenCentre();
// Whether the window, its frame included, lies wholly inside the available area of the screen
// that holds it; with `cornerOnly`, whether its top-left corner does.
bool LiesOnScreen(const Window& window, bool cornerOnly = false);
// Whether the window system is told that `child` belongs to `parent` (a transient window).
bool IsTransientFor(const Window& child, const Window& parent);
} // namespace uitest

namespace uitest {
// The text a label, button, radio button, field or popup shows (line breaks as LF): what
// the user reads, after the toolkit has read markup or mnemonics in it, if it does.
std::string ShownText(const RectControl& control);
// The window's title as the window system shows it.
std::string ShownTitle(const Window& window);
// The text that the box MsgBox shows for `text` would show.
std::string ShownMessageBoxText(const std::string& text);
// Whether the push button is drawn as the window's default button, the one Return presses.
bool ShownAsDefault(const RectControl& button);
// Whether the field hides what is typed.
bool ShowsPassword(const RectControl& control);
// Whether a's widget is stacked above b's (both in one window).
bool IsAbove(const RectControl& a, const RectControl& b);
// The colour (0xAARRGGBB) of the control's widget at (x, y) of its own area, as painted.
uint32_t ShownPixel(const RectControl& control, int x, int y);
// The control's widget as painted, as PNG bytes: equal for two looks that show the same.
std::string ShownPng(const RectControl& control);

// What a label's text needs as its own widget lays it out (its font, its wrapping, its
// margins), in pixels: the width (of the whole text on one line, or, for a wrapping
// label, of its widest word), the height at the label's own width, and the height of
// one line of its font. All 0 for a control that is not a placed label.
struct TextNeed {
    int width = 0;
    int height = 0;
    int lineHeight = 0;
};
TextNeed ShownTextNeed(const RectControl& label);
} // namespace uitest

namespace uitest {
// Saves what the window shows (its client area, or the whole window with its menu bar and
// frame when `withMenuBar`) as a PNG; returns whether the file was written.
bool SaveGrab(const Window& window, const std::string& path, bool withMenuBar = false);
// Saves a picture as a PNG.
bool SavePicture(const Picture& picture, const std::string& path);
// The picture encoded as PNG bytes (empty when it cannot be encoded).
std::string PictureAsPng(const Picture& picture);
} // namespace uitest

namespace uitest {
// Runs the work inside the event loop after `delayMs` (for a test that runs a whole
// RuntimeRun).
void Post(std::function<void()> work, int delayMs = 0);
// Types a key combination such as "Ctrl+Q" into the window, as the keyboard would.
void PressKeys(Window& window, const char* keys);
// Gives the keyboard to the window's menu bar, as a tap on Alt does.
void FocusMenuBar(Window& window);
// Types a key combination on the keyboard into the window, wherever in it the focus is.
void PressKeysOnKeyboard(Window& window, const char* keys);
// Holds a key down in the window where its focus is: one press, then `repeats` of the
// keyboard's own repeats, then the release.
void HoldKeyOnKeyboard(Window& window, const char* key, int repeats);
// Types text on the keyboard into the window, wherever in it the focus is (nowhere: the
// keys are lost); a CR presses Return.
void TypeOnKeyboard(Window& window, const char* text);
} // namespace uitest

namespace uitest {
// Ends the event loop of the current RuntimeRun if it still runs after `ms`, so that a test
// whose own way of ending the loop is broken fails instead of hanging. Disarmed when the
// object goes, so it never touches a later run.
class LoopDeadline {
  public:
    explicit LoopDeadline(int ms);
    ~LoopDeadline();
    LoopDeadline(const LoopDeadline&) = delete;
    LoopDeadline& operator=(const LoopDeadline&) = delete;
    // Whether the deadline, not the program, ended the loop.
    bool fired() const { return state_->fired; }

  private:
    struct State {
        bool armed = true;
        bool fired = false;
    };
    std::shared_ptr<State> state_;
};
} // namespace uitest
