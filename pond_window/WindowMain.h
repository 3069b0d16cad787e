#pragma once
// The pond window: the two ponds and four pools, their count labels and Clear buttons, the
// Run/Pause button with its timer and day counter, and the two pop-ups that follow a
// dragged animal.
//
// Call protocol: the accessor WindowMain() builds the window on first use (and again after
// a close); it never shows it. The scenario dialog empties it with ClearAll, fills the two
// ponds with PopulatePond(0, n) and PopulatePond(1, n), then calls UpdateSizes. The run
// state is PushButtonRun's caption: "Run" while paused, "Pause" while running.

#include "model/popSurface.h"
#include "platform/Controls.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class smartSprite;
class spritePopUp;
class spriteDataPopUp;

class WindowMain : public Window {
  public:
    // The control arrays' classes: built with the member's index.
    class EditFieldPoolLabelClass : public ControlArray<EditField> {
      protected:
        std::string ArrayName() const override;
        std::string_view FirstMemberList() const override;
    };
    class popSurfacesClass : public ControlArray<popSurface> {
      protected:
        std::string ArrayName() const override;
        std::string_view FirstMemberList() const override;
        void BindFirstMemberHandlers(::Window& window) override;
    };
    class StaticTextPopSizeClass : public ControlArray<StaticText> {
      protected:
        std::string ArrayName() const override;
        std::string_view FirstMemberList() const override;
    };
    class PushButtonClearClass : public ControlArray<PushButton> {
      protected:
        std::string ArrayName() const override;
        std::string_view FirstMemberList() const override;
        void BindFirstMemberHandlers(::Window& window) override;
    };
    // The window's timer; it knows its window through the pane-child interface.
    class TimerMainClass : public WindowTimer {
      public:
        TimerMainClass();
    };

    ~WindowMain() override;

    std::shared_ptr<smartSprite> DragSprite;
    int32_t OldMouseX = 0, OldMouseY = 0, fromPond = 0;

    // Construction hooks.
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    // Control handlers.
    virtual void popSurfaces_Open(Control& Me);
    virtual void PushButtonRun_Action(Control& Me);
    virtual void TimerMain_Action(Control& Me);
    virtual void PushButtonClear_Action(Control& Me);

    void AddMenuHandlers(::Window& window) override;

    // Window events.
    void Event_Activate() override;
    void Event_MouseDrag(int X, int Y) override;
    void Event_MouseUp(int X, int Y) override;
    bool Event_MouseDown(int X, int Y) override;
    void Event_Open() override;

    // Brings the six count labels up to date.
    virtual void UpdateSizes();
    // Stocks pond 0 or 1 with count critters for the scenario in force, then its worms, then
    // runs one frame of it. Any other pond index does nothing.
    virtual void PopulatePond(int32_t pond, int32_t count);
    // Empties all six surfaces.
    virtual void ClearAll();

    // The controls, looked up by name (and index).
    std::shared_ptr<StaticText> StaticTextScenario() const;
    std::shared_ptr<StaticText> StaticTextNumClicks() const;
    std::shared_ptr<StaticText> StaticText1() const;
    std::shared_ptr<StaticText> StaticText2() const;
    std::shared_ptr<StaticText> StaticText3() const;
    std::shared_ptr<PushButton> PushButtonRun() const;
    std::shared_ptr<Timer> TimerMain() const;
    std::shared_ptr<popSurface> popSurfaces(int32_t index) const;
    std::shared_ptr<StaticText> StaticTextPopSize(int32_t index) const;
    std::shared_ptr<PushButton> PushButtonClear(int32_t index) const;
    std::shared_ptr<EditField> EditFieldPoolLabel(int32_t index) const;
    std::shared_ptr<spritePopUp> spritePopUp1() const;
    std::shared_ptr<spriteDataPopUp> spriteDataPopUp1() const;
};

// The window's shared instance, built when none is open.
std::shared_ptr<class WindowMain> WindowMain();

// The property lists of the window and of its controls (WindowMainLists.cpp). An array's
// list function gives an empty list for an index the array doesn't have.
namespace WindowMainLists {
const std::string& Window();
const std::string& StaticTextScenario();
const std::string& EditFieldPoolLabel(int32_t index);
const std::string& popSurfaces(int32_t index);
const std::string& PushButtonRun();
const std::string& TimerMain();
const std::string& StaticTextPopSize(int32_t index);
const std::string& PushButtonClear(int32_t index);
const std::string& StaticTextNumClicks();
const std::string& StaticText1();
const std::string& StaticText2();
const std::string& spriteDataPopUp1();
const std::string& spritePopUp1();
const std::string& StaticText3();
} // namespace WindowMainLists
