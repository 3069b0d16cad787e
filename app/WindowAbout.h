#pragma once
// The About window: the cover, the title, the web address with "Go there", the credits and
// "OK". It closes on "OK", on "Go there" (before the page is opened) or on a click in its
// background.

#include "platform/Controls.h"
#include "platform/Window.h"

#include <memory>
#include <string>

class WindowAbout : public Window {
  public:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonClose_Action(Control& Me);
    virtual void PushButtonGoThere_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;
    void Event_MouseUp(int X, int Y) override;
    bool Event_MouseDown(int X, int Y) override;

    std::shared_ptr<StaticText> StaticTextAboutBlurb() const;
    std::shared_ptr<StaticText> LabelTitle() const;
    std::shared_ptr<StaticText> LabelWebAddress() const;
    std::shared_ptr<PushButton> PushButtonClose() const;
    std::shared_ptr<Canvas> CanvasCadmoriaCover() const;
    std::shared_ptr<PushButton> PushButtonGoThere() const;
};

// The About window's one instance: the open one, else a newly built one (never shown here).
std::shared_ptr<class WindowAbout> WindowAbout();

// The About window's property lists, made when the program starts (read them once main has
// begun).
namespace WindowAboutLists {
extern const std::string Window, StaticTextAboutBlurb, LabelTitle, LabelWebAddress, PushButtonClose,
    CanvasCadmoriaCover, PushButtonGoThere;
} // namespace WindowAboutLists
