#pragma once
// The dialog in which the student picks one of the four hidden scenarios ("One" to "Four")
// and starts a new investigation in the main window.

#include "platform/Controls.h"
#include "platform/Window.h"

#include <memory>
#include <string>

class WindowSelectScenario : public Window {
  public:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonOkay_Open(Control& Me);
    virtual void PushButtonOkay_Action(Control& Me);
    virtual void PopupMenuScenario_Open(Control& Me);
    virtual void PushButtonCancel_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;

    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<PushButton> PushButtonOkay() const;
    std::shared_ptr<PopupMenu> PopupMenuScenario() const;
    std::shared_ptr<PushButton> PushButtonCancel() const;
};

// The open dialog, or a newly built one (not shown).
std::shared_ptr<class WindowSelectScenario> WindowSelectScenario();

// The dialog's property lists, made when the program starts (read them once main has
// begun).
namespace WindowSelectScenarioLists {
extern const std::string Window, StaticText1, PushButtonOkay, PopupMenuScenario, PushButtonCancel;
} // namespace WindowSelectScenarioLists
