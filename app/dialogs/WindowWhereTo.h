#pragma once
// The dialog that empties one pool of the main window: its animals go into the top or the
// bottom pond, or leave the simulation.

#include "platform/Controls.h"
#include "platform/Window.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

class WindowWhereTo : public Window {
  public:
    // The three destination buttons; a member's index is its destination: 0 the top pond,
    // 1 the bottom pond, 2 "Dump them".
    class RadioButtonDestinationClass : public ControlArray<RadioButton> {
      public:
        using ControlArray<RadioButton>::Constructor;

      protected:
        std::string ArrayName() const override;
        std::string_view FirstMemberList() const override;
    };

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonOkay_Action(Control& Me);
    virtual void PushButtonCancel_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;
    void Event_Open() override;

    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<RadioButtonDestinationClass> RadioButtonDestination(int32_t index) const;
    std::shared_ptr<PushButton> PushButtonOkay() const;
    std::shared_ptr<PushButton> PushButtonCancel() const;
};

// The open dialog, or a newly built one (not shown).
std::shared_ptr<class WindowWhereTo> WindowWhereTo();

// The dialog's property lists, made when the program starts (read them once main has
// begun). An array's lists stand by member index.
namespace WindowWhereToLists {
extern const std::string Window, StaticText1, PushButtonOkay, PushButtonCancel;
extern const std::array<std::string, 3> RadioButtonDestination;
} // namespace WindowWhereToLists
