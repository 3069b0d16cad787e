#include "pond_window/WindowMain.h"

#include "app/Menu.h"
#include "app/dialogs/WindowWhereTo.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/smartSprite.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "pond_window/popupSpriteCan.h"

// ---- The control arrays and the timer -------------------------------------------------

std::string WindowMain::EditFieldPoolLabelClass::ArrayName() const { return "EditFieldPoolLabel"; }
std::string_view WindowMain::EditFieldPoolLabelClass::FirstMemberList() const {
    return WindowMainLists::EditFieldPoolLabel(0);
}

std::string WindowMain::popSurfacesClass::ArrayName() const { return "popSurfaces"; }
std::string_view WindowMain::popSurfacesClass::FirstMemberList() const {
    return WindowMainLists::popSurfaces(0);
}
void WindowMain::popSurfacesClass::BindFirstMemberHandlers(::Window& window) {
    if (!dynamic_cast<class WindowMain*>(&window)) return;
    InstallInstanceEventHandler(*this, "Open", MakeHandler(&WindowMain::popSurfaces_Open));
}

std::string WindowMain::StaticTextPopSizeClass::ArrayName() const { return "StaticTextPopSize"; }
std::string_view WindowMain::StaticTextPopSizeClass::FirstMemberList() const {
    return WindowMainLists::StaticTextPopSize(0);
}

std::string WindowMain::PushButtonClearClass::ArrayName() const { return "PushButtonClear"; }
std::string_view WindowMain::PushButtonClearClass::FirstMemberList() const {
    return WindowMainLists::PushButtonClear(0);
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
    ApplyPropertyList(*this, WindowMainLists::Window());
}

void WindowMain::CreateControls() { CreateControls0(); }

namespace {

using Handler = void (WindowMain::*)(Control&);

// One control by the creation sequence: new object, constructor, registration, look-up as
// the type the window's code sees, its list, its handler.
template <class C, class Seen>
void single(class WindowMain& w, const std::string& name, const std::string& list,
            const char* event = nullptr, Handler handler = nullptr) {
    auto c = w.New<C>();
    c->Constructor();
    w.AddControl(name, c);
    auto seen = std::dynamic_pointer_cast<Seen>(RuntimeWindowControlByName(w, name));
    if (!seen) return;
    ApplyPropertyList(*seen, list);
    if (event) InstallInstanceEventHandler(*seen, event, MakeHandler(handler));
}

// One member of a control array, built with its index.
template <class C, class Seen>
void member(class WindowMain& w, const std::string& name, int32_t index, const std::string& list,
            const char* event = nullptr, Handler handler = nullptr) {
    auto c = w.New<C>();
    c->Constructor(index);
    w.AddControl(name, c);
    auto seen = std::dynamic_pointer_cast<Seen>(RuntimeWindowControlByNameIndex(w, name, index));
    if (!seen) return;
    ApplyPropertyList(*seen, list);
    if (event) InstallInstanceEventHandler(*seen, event, MakeHandler(handler));
}

} // namespace

void WindowMain::CreateControls0() {
    namespace L = WindowMainLists;
    using Field = EditFieldPoolLabelClass;
    using Surface = popSurfacesClass;
    using Count = StaticTextPopSizeClass;
    using Clear = PushButtonClearClass;
    const Handler open = &WindowMain::popSurfaces_Open;
    const Handler clear = &WindowMain::PushButtonClear_Action;

    single<StaticText, StaticText>(*this, "StaticTextScenario", L::StaticTextScenario());
    member<Field, EditField>(*this, "EditFieldPoolLabel", 0, L::EditFieldPoolLabel(0));
    member<Field, EditField>(*this, "EditFieldPoolLabel", 1, L::EditFieldPoolLabel(1));
    member<Field, EditField>(*this, "EditFieldPoolLabel", 2, L::EditFieldPoolLabel(2));
    member<Field, EditField>(*this, "EditFieldPoolLabel", 3, L::EditFieldPoolLabel(3));
    member<Surface, popSurface>(*this, "popSurfaces", 0, L::popSurfaces(0), "Open", open);
    single<PushButton, PushButton>(*this, "PushButtonRun", L::PushButtonRun(), "Action",
                                   &WindowMain::PushButtonRun_Action);
    single<TimerMainClass, Timer>(*this, "TimerMain", L::TimerMain(), "Action",
                                  &WindowMain::TimerMain_Action);
    member<Surface, popSurface>(*this, "popSurfaces", 1, L::popSurfaces(1), "Open", open);
    member<Count, StaticText>(*this, "StaticTextPopSize", 0, L::StaticTextPopSize(0));
    member<Count, StaticText>(*this, "StaticTextPopSize", 1, L::StaticTextPopSize(1));
    member<Surface, popSurface>(*this, "popSurfaces", 2, L::popSurfaces(2), "Open", open);
    member<Count, StaticText>(*this, "StaticTextPopSize", 2, L::StaticTextPopSize(2));
    member<Surface, popSurface>(*this, "popSurfaces", 3, L::popSurfaces(3), "Open", open);
    member<Count, StaticText>(*this, "StaticTextPopSize", 3, L::StaticTextPopSize(3));
    member<Surface, popSurface>(*this, "popSurfaces", 4, L::popSurfaces(4), "Open", open);
    member<Count, StaticText>(*this, "StaticTextPopSize", 4, L::StaticTextPopSize(4));
    member<Clear, PushButton>(*this, "PushButtonClear", 0, L::PushButtonClear(0), "Action", clear);
    member<Clear, PushButton>(*this, "PushButtonClear", 1, L::PushButtonClear(1), "Action", clear);
    member<Clear, PushButton>(*this, "PushButtonClear", 2, L::PushButtonClear(2), "Action", clear);
    member<Clear, PushButton>(*this, "PushButtonClear", 3, L::PushButtonClear(3), "Action", clear);
    member<Clear, PushButton>(*this, "PushButtonClear", 4, L::PushButtonClear(4), "Action", clear);
    member<Surface, popSurface>(*this, "popSurfaces", 5, L::popSurfaces(5), "Open", open);
    member<Count, StaticText>(*this, "StaticTextPopSize", 5, L::StaticTextPopSize(5));
    member<Clear, PushButton>(*this, "PushButtonClear", 5, L::PushButtonClear(5), "Action", clear);
    single<StaticText, StaticText>(*this, "StaticTextNumClicks", L::StaticTextNumClicks());
    single<StaticText, StaticText>(*this, "StaticText1", L::StaticText1());
    single<StaticText, StaticText>(*this, "StaticText2", L::StaticText2());
    single<spriteDataPopUp, spriteDataPopUp>(*this, "spriteDataPopUp1", L::spriteDataPopUp1());
    single<spritePopUp, spritePopUp>(*this, "spritePopUp1", L::spritePopUp1());
    single<StaticText, StaticText>(*this, "StaticText3", L::StaticText3());
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

namespace {
template <class C> std::shared_ptr<C> named(const Window& w, std::string_view name) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
}
template <class C>
std::shared_ptr<C> indexed(const Window& w, std::string_view name, int32_t index) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByNameIndex(w, name, index));
}
} // namespace

std::shared_ptr<StaticText> WindowMain::StaticTextScenario() const {
    return named<StaticText>(*this, "StaticTextScenario");
}
std::shared_ptr<StaticText> WindowMain::StaticTextNumClicks() const {
    return named<StaticText>(*this, "StaticTextNumClicks");
}
std::shared_ptr<StaticText> WindowMain::StaticText1() const {
    return named<StaticText>(*this, "StaticText1");
}
std::shared_ptr<StaticText> WindowMain::StaticText2() const {
    return named<StaticText>(*this, "StaticText2");
}
std::shared_ptr<StaticText> WindowMain::StaticText3() const {
    return named<StaticText>(*this, "StaticText3");
}
std::shared_ptr<PushButton> WindowMain::PushButtonRun() const {
    return named<PushButton>(*this, "PushButtonRun");
}
std::shared_ptr<Timer> WindowMain::TimerMain() const { return named<Timer>(*this, "TimerMain"); }
std::shared_ptr<popSurface> WindowMain::popSurfaces(int32_t index) const {
    return indexed<popSurface>(*this, "popSurfaces", index);
}
std::shared_ptr<StaticText> WindowMain::StaticTextPopSize(int32_t index) const {
    return indexed<StaticText>(*this, "StaticTextPopSize", index);
}
std::shared_ptr<PushButton> WindowMain::PushButtonClear(int32_t index) const {
    return indexed<PushButton>(*this, "PushButtonClear", index);
}
std::shared_ptr<EditField> WindowMain::EditFieldPoolLabel(int32_t index) const {
    return indexed<EditField>(*this, "EditFieldPoolLabel", index);
}
std::shared_ptr<spritePopUp> WindowMain::spritePopUp1() const {
    return named<spritePopUp>(*this, "spritePopUp1");
}
std::shared_ptr<spriteDataPopUp> WindowMain::spriteDataPopUp1() const {
    return named<spriteDataPopUp>(*this, "spriteDataPopUp1");
}

std::shared_ptr<class WindowMain> WindowMain() {
    return ImplicitInstance<class WindowMain>("WindowMain.WindowMain");
}
