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

#include <array>
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

// The window's property lists, made when the program starts (read them once main has
// begun). An array's lists stand by member index.
namespace WindowMainLists {
extern const std::string Window, StaticTextScenario, PushButtonRun, TimerMain, StaticTextNumClicks,
    StaticText1, StaticText2, spriteDataPopUp1, spritePopUp1, StaticText3;
extern const std::array<std::string, 4> EditFieldPoolLabel;
extern const std::array<std::string, 6> popSurfaces, StaticTextPopSize, PushButtonClear;
} // namespace WindowMainLists
