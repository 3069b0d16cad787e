#include "pond_window/WindowMain.h"

#include "app/Menu.h"
#include "app/WindowBuilding.h"
#include "app/dialogs/WindowWhereTo.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/smartSprite.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "pond_window/popupSpriteCan.h"

// ---- The control arrays and the timer -------------------------------------------------

std::string WindowMain::EditFieldPoolLabelClass::ArrayName() const { return "EditFieldPoolLabel"; }
std::string_view WindowMain::EditFieldPoolLabelClass::FirstMemberList() const {
    return WindowMainLists::EditFieldPoolLabel[0];
}

std::string WindowMain::popSurfacesClass::ArrayName() const { return "popSurfaces"; }
std::string_view WindowMain::popSurfacesClass::FirstMemberList() const {
    return WindowMainLists::popSurfaces[0];
}
void WindowMain::popSurfacesClass::BindFirstMemberHandlers(::Window& window) {
    if (!dynamic_cast<class WindowMain*>(&window)) return;
    InstallInstanceEventHandler(*this, "Open", MakeHandler(&WindowMain::popSurfaces_Open));
}

std::string WindowMain::StaticTextPopSizeClass::ArrayName() const { return "StaticTextPopSize"; }
std::string_view WindowMain::StaticTextPopSizeClass::FirstMemberList() const {
    return WindowMainLists::StaticTextPopSize[0];
}

std::string WindowMain::PushButtonClearClass::ArrayName() const { return "PushButtonClear"; }
std::string_view WindowMain::PushButtonClearClass::FirstMemberList() const {
    return WindowMainLists::PushButtonClear[0];
}
void WindowMain::PushButtonClearClass::BindFirstMemberHandlers(::Window& window) {
    if (!dynamic_cast<class WindowMain*>(&window)) return;
    InstallInstanceEventHandler(*this, "Action", MakeHandler(&WindowMain::PushButtonClear_Action));
}

// The pane-child index slot starts at 0; nothing sets it.
WindowMain::TimerMainClass::TimerMainClass() { Index = 0; }

// ---- Construction ----------------------------------------------------------------------

// DragSprite goes with the window (an animal dropped outside every surface included).
WindowMain::~WindowMain() = default;

void WindowMain::Layout() {
    MenuBar = Menu();
    ApplyPropertyList(*this, WindowMainLists::Window);
}

void WindowMain::CreateControls() { CreateControls0(); }

void WindowMain::CreateControls0() {
    namespace L = WindowMainLists;
    using Field = EditFieldPoolLabelClass;
    using Surface = popSurfacesClass;
    using Count = StaticTextPopSizeClass;
    using Clear = PushButtonClearClass;
    const Bindings<WindowMain> open = {{"Open", &WindowMain::popSurfaces_Open}};
    const Bindings<WindowMain> clear = {{"Action", &WindowMain::PushButtonClear_Action}};

    BuildControl<StaticText>(*this, "StaticTextScenario", L::StaticTextScenario);
    BuildMember<Field, EditField>(*this, "EditFieldPoolLabel", 0, L::EditFieldPoolLabel[0]);
    BuildMember<Field, EditField>(*this, "EditFieldPoolLabel", 1, L::EditFieldPoolLabel[1]);
    BuildMember<Field, EditField>(*this, "EditFieldPoolLabel", 2, L::EditFieldPoolLabel[2]);
    BuildMember<Field, EditField>(*this, "EditFieldPoolLabel", 3, L::EditFieldPoolLabel[3]);
    // The pools' name fields have no label beside them: a screen reader names them by
    // their pool's place.
    for (int32_t pool = 0; pool < 4; ++pool)
        EditFieldPoolLabel(pool)->AccessibleName = "Pool " + std::to_string(pool + 1);
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 0, L::popSurfaces[0], open);
    BuildControl<PushButton>(*this, "PushButtonRun", L::PushButtonRun,
                             {{"Action", &WindowMain::PushButtonRun_Action}});
    BuildTimer<TimerMainClass>(*this, "TimerMain", L::TimerMain,
                               {{"Action", &WindowMain::TimerMain_Action}});
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 1, L::popSurfaces[1], open);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 0, L::StaticTextPopSize[0]);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 1, L::StaticTextPopSize[1]);
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 2, L::popSurfaces[2], open);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 2, L::StaticTextPopSize[2]);
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 3, L::popSurfaces[3], open);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 3, L::StaticTextPopSize[3]);
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 4, L::popSurfaces[4], open);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 4, L::StaticTextPopSize[4]);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 0, L::PushButtonClear[0], clear);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 1, L::PushButtonClear[1], clear);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 2, L::PushButtonClear[2], clear);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 3, L::PushButtonClear[3], clear);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 4, L::PushButtonClear[4], clear);
    BuildMember<Surface, popSurface>(*this, "popSurfaces", 5, L::popSurfaces[5], open);
    BuildMember<Count, StaticText>(*this, "StaticTextPopSize", 5, L::StaticTextPopSize[5]);
    BuildMember<Clear, PushButton>(*this, "PushButtonClear", 5, L::PushButtonClear[5], clear);
    BuildControl<StaticText>(*this, "StaticTextNumClicks", L::StaticTextNumClicks);
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    BuildControl<StaticText>(*this, "StaticText2", L::StaticText2);
    BuildControl<spriteDataPopUp>(*this, "spriteDataPopUp1", L::spriteDataPopUp1);
    BuildControl<spritePopUp>(*this, "spritePopUp1", L::spritePopUp1);
    BuildControl<StaticText>(*this, "StaticText3", L::StaticText3);
}

void WindowMain::AddMenuHandlers(::Window&) {}

// ---- Run loop and counts ---------------------------------------------------------------

void WindowMain::popSurfaces_Open(Control& Me) {
    auto* surface = dynamic_cast<popSurface*>(&Me);
    if (!surface) return;
    surface->prepare();
    surface->Update();
    UpdateSizes();
}

void WindowMain::Event_Open() { fromPond = -1; }

void WindowMain::Event_Activate() { SetFocus(); }

void WindowMain::PushButtonRun_Action(Control&) {
    auto run = PushButtonRun();
    auto timer = TimerMain();
    if (run && timer) {
        // The caption is the run state; any other caption changes nothing.
        if (run->Caption() == "Run") {
            run->setCaption("Pause");
            timer->setMode(2);
            for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
                RuntimeBackgroundTask();
                if (auto clear = PushButtonClear(i)) clear->setEnabled(false);
            }
        } else if (run->Caption() == "Pause") {
            run->setCaption("Run");
            timer->setMode(0);
            for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
                RuntimeBackgroundTask();
                if (auto clear = PushButtonClear(i)) clear->setEnabled(true);
            }
        }
    }
    SetFocus();
}

void WindowMain::TimerMain_Action(Control&) {
    for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
        RuntimeBackgroundTask();
        if (auto surface = popSurfaces(i)) surface->Update();
    }
    UpdateSizes();
    if (auto days = StaticTextNumClicks()) days->setText(Str(Val(days->Text()) + 1.0));
}

void WindowMain::UpdateSizes() {
    for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
        RuntimeBackgroundTask();
        auto label = StaticTextPopSize(i);
        auto surface = popSurfaces(i);
        if (!label || !surface) continue;
        // Written only when the shown value differs.
        if (Val(label->Text()) != static_cast<double>(surface->numCritters))
            label->setText(Str(surface->numCritters));
    }
}

void WindowMain::PushButtonClear_Action(Control& Me) {
    const int32_t i = Me.Index;
    auto surface = popSurfaces(i);
    if (surface && Ubound(surface->sprites) > 0) {
        fromPond = i;
        if (auto whereTo = WindowWhereTo()) whereTo->Show();
    }
    SetFocus();
}

void WindowMain::ClearAll() {
    for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
        RuntimeBackgroundTask();
        if (auto surface = popSurfaces(i)) surface->clear();
    }
    UpdateSizes();
}

// ---- Filling a pond --------------------------------------------------------------------

void WindowMain::PopulatePond(int32_t pond, int32_t count) {
    // Only the two ponds have a worm number and an allele frequency; a pool or any other
    // index would read past the per-pond settings, so it fills nothing.
    if (pond < 0 || pond > 1) return;
    if (pond > Ubound(Globals::AlleleFreq) || pond > Ubound(Globals::MaxNumWorms)) return;
    auto s = popSurfaces(pond);
    if (!s) return;
    const std::size_t p = std::size_t(pond);

    for (int32_t k = 1; k <= count; ++k) {
        RuntimeBackgroundTask();
        // Attached first, so the surface counts it before it is set up; doAttach appends,
        // so this is the element at the list's upper bound.
        auto critter = std::make_shared<critterSprite>();
        s->doAttach(critter);
        critter->prepare(*s);
        critter->mAllele = Rnd() < Globals::AlleleFreq[p] ? 0 : 1;
        critter->pAllele = Rnd() < Globals::AlleleFreq[p] ? 0 : 1;
        const int32_t worms = Globals::MaxNumWorms[p];
        if (worms == 5) {
            if (Rnd() < 0.15) critter->exposed = true;
        } else if (worms == 30) {
            if (Rnd() < 0.45) critter->exposed = true;
        } else {
            MsgBox("Error in WindowMain.PopulatePond.  Don't know equilibrium exposure.");
        }
        critter->age = static_cast<int32_t>(Round(Rnd() * static_cast<double>(Globals::Lifespan)));
        if (critter->age >= Globals::AgeAtMaturity) {
            critter->Image = critter->iAdult;
            critter->phenotype = critter->metamorphosis(Globals::Scenario);
        }
    }

    for (int32_t k = 1; k <= Globals::MaxNumWorms[p]; ++k) {
        RuntimeBackgroundTask();
        auto worm = std::make_shared<wormSprite>();
        s->doAttach(worm);
        worm->prepare(*s);
    }

    s->Update();
}

// ---- Dragging --------------------------------------------------------------------------

bool WindowMain::Event_MouseDown(int X, int Y) {
    SetFocus();
    for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
        RuntimeBackgroundTask();
        auto surface = popSurfaces(i);
        if (!surface || !surface->within(X, Y)) continue;
        // Animals are picked up only while paused.
        auto run = PushButtonRun();
        if (!run || run->Caption() != "Run") continue;
        // An animal still held from a release outside every surface is let go for good.
        DragSprite = nullptr;
        DragSprite = surface->mouseDown(X, Y);
        if (!DragSprite) continue;
        if (auto image = spritePopUp1()) image->popup(X, Y, DragSprite);
        if (dynamic_cast<critterSprite*>(DragSprite.get()))
            if (auto card = spriteDataPopUp1()) card->popup(X, Y, DragSprite, *this);
        OldMouseX = X;
        OldMouseY = Y;
        return true;
    }
    return false;
}

void WindowMain::Event_MouseDrag(int X, int Y) {
    if (X == OldMouseX && Y == OldMouseY) return;
    if (auto image = spritePopUp1(); image && image->Visible()) {
        image->setLeft(X + image->Left() - OldMouseX);
        image->setTop(Y + image->Top() - OldMouseY);
    }
    if (auto card = spriteDataPopUp1(); card && card->Visible()) {
        // 5 px right of the pointer, but never past the window's right edge.
        if (Width() < X + 5 + card->Width())
            card->setLeft(Width() - card->Width());
        else
            card->setLeft(X + 5);
        card->setTop(Y + card->Top() - OldMouseY);
    }
    OldMouseX = X;
    OldMouseY = Y;
}

void WindowMain::Event_MouseUp(int X, int Y) {
    for (int32_t i = 0; i <= Globals::NumPopSurfaces; ++i) {
        RuntimeBackgroundTask();
        auto surface = popSurfaces(i);
        if (surface && surface->within(X, Y) && DragSprite) {
            surface->spriteDrop(DragSprite, X, Y);
            DragSprite = nullptr;
        }
    }
    UpdateSizes();
    if (auto image = spritePopUp1()) image->vanish();
    if (auto card = spriteDataPopUp1()) card->vanish();
}

// ---- Controls by name ------------------------------------------------------------------

std::shared_ptr<StaticText> WindowMain::StaticTextScenario() const {
    return ControlNamed<StaticText>(*this, "StaticTextScenario");
}
std::shared_ptr<StaticText> WindowMain::StaticTextNumClicks() const {
    return ControlNamed<StaticText>(*this, "StaticTextNumClicks");
}
std::shared_ptr<StaticText> WindowMain::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<StaticText> WindowMain::StaticText2() const {
    return ControlNamed<StaticText>(*this, "StaticText2");
}
std::shared_ptr<StaticText> WindowMain::StaticText3() const {
    return ControlNamed<StaticText>(*this, "StaticText3");
}
std::shared_ptr<PushButton> WindowMain::PushButtonRun() const {
    return ControlNamed<PushButton>(*this, "PushButtonRun");
}
std::shared_ptr<Timer> WindowMain::TimerMain() const {
    return ControlNamed<Timer>(*this, "TimerMain");
}
std::shared_ptr<popSurface> WindowMain::popSurfaces(int32_t index) const {
    return ControlNamed<popSurface>(*this, "popSurfaces", index);
}
std::shared_ptr<StaticText> WindowMain::StaticTextPopSize(int32_t index) const {
    return ControlNamed<StaticText>(*this, "StaticTextPopSize", index);
}
std::shared_ptr<PushButton> WindowMain::PushButtonClear(int32_t index) const {
    return ControlNamed<PushButton>(*this, "PushButtonClear", index);
}
std::shared_ptr<EditField> WindowMain::EditFieldPoolLabel(int32_t index) const {
    return ControlNamed<EditField>(*this, "EditFieldPoolLabel", index);
}
std::shared_ptr<spritePopUp> WindowMain::spritePopUp1() const {
    return ControlNamed<spritePopUp>(*this, "spritePopUp1");
}
std::shared_ptr<spriteDataPopUp> WindowMain::spriteDataPopUp1() const {
    return ControlNamed<spriteDataPopUp>(*this, "spriteDataPopUp1");
}

std::shared_ptr<class WindowMain> WindowMain() {
    return ImplicitInstance<class WindowMain>("WindowMain.WindowMain");
}
