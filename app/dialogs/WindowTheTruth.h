#pragma once
// The dialog that ends an investigation: after the password it reveals which hidden
// scenario drives the ponds and, where the scenario has one, which pond carries the cause.

#include "platform/Controls.h"
#include "platform/Window.h"

#include <memory>
#include <string>

class WindowTheTruth : public Window {
  public:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonOkay_Action(Control& Me);
    virtual void PushButtonNowTellMe_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;
    virtual void Reveal();

    std::shared_ptr<Rectangle> Rectangle1() const;
    std::shared_ptr<StaticText> StaticTextTheTruth() const;
    std::shared_ptr<PushButton> PushButtonOkay() const;
    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<EditField> EditFieldPassword() const;
    std::shared_ptr<PushButton> PushButtonNowTellMe() const;
    std::shared_ptr<StaticText> StaticTextTryAgain() const;
};

// The open dialog, or a newly built one (not shown).
std::shared_ptr<class WindowTheTruth> WindowTheTruth();

// The dialog's property lists, made when the program starts (read them once main has
// begun).
namespace WindowTheTruthLists {
extern const std::string Window, Rectangle1, StaticTextTheTruth, PushButtonOkay, StaticText1,
    EditFieldPassword, PushButtonNowTellMe, StaticTextTryAgain;
} // namespace WindowTheTruthLists
