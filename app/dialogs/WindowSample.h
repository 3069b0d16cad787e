#pragma once
// The sampling dialog: draws frogs at random, with replacement, from the main window's top
// and bottom ponds and reports how many have five legs, or the relative risk of five legs
// in the top pond against the bottom pond. It reopens where it was last closed.

#include "platform/Controls.h"
#include "platform/Window.h"

#include <memory>
#include <string>

class WindowSample : public Window {
  public:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    virtual void PushButtonSample_Action(Control& Me);
    void AddMenuHandlers(::Window& window) override;
    void Event_Close() override;
    void Event_Open() override;

    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<PopupMenu> PopupMenuPond() const;
    std::shared_ptr<StaticText> StaticText2() const;
    std::shared_ptr<EditField> EditFieldNumFrogs() const;
    std::shared_ptr<PushButton> PushButtonSample() const;
    std::shared_ptr<StaticText> StaticTextResult() const;
};

// The open dialog, or a newly built one (not shown).
std::shared_ptr<class WindowSample> WindowSample();

// The dialog's property lists, made when the program starts (read them once main has
// begun).
namespace WindowSampleLists {
extern const std::string Window, StaticText1, PopupMenuPond, StaticText2, EditFieldNumFrogs,
    PushButtonSample, StaticTextResult;
} // namespace WindowSampleLists
