#pragma once
// The splash window: greets the student at start-up with the cover, the title, the web
// address and the version line. It closes on Proceed, on its 7-second timer, on a click in
// its background or on its close box, and each close brings the scenario dialog forward.

#include "platform/Controls.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <memory>
#include <string>

class WindowSplash : public Window {
  public:
    // The splash's one-shot timer: knows its window through the wrapper.
    class Timer1Class : public WindowTimer {};

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonProceed_Action(Control& Me);
    virtual void Timer1_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;
    void Event_Close() override;
    void Event_MouseUp(int X, int Y) override;
    bool Event_MouseDown(int X, int Y) override;

    std::shared_ptr<StaticText> LabelTitle() const;
    std::shared_ptr<StaticText> StaticText2() const;
    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<Canvas> CanvasCadmoriaCover() const;
    std::shared_ptr<PushButton> PushButtonProceed() const;
    std::shared_ptr<Timer> Timer1() const;
};

// The splash's one instance: the open one, else a newly built one (never shown here).
std::shared_ptr<class WindowSplash> WindowSplash();

// The splash's property lists, made when the program starts (read them once main has
// begun).
namespace WindowSplashLists {
extern const std::string Window, LabelTitle, StaticText2, StaticText1, CanvasCadmoriaCover,
    PushButtonProceed, Timer1;
} // namespace WindowSplashLists
