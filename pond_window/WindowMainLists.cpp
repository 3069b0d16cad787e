// The property lists of the main window and of its 31 controls, in the Name-first layout.
// The rows give what differs from control to control, in the order in which the window
// builds its controls. A control's TabIndex is its place in that order counted from 0 (the
// timer, eighth, has none).

#include "pond_window/WindowMain.h"

#include "app/PropertyLists.h"

#include <array>

using namespace PropertyLists;

namespace {

// The members of each array differ only in their place.

std::string poolLabel(int32_t index, int32_t left, int32_t top, int32_t tabIndex) {
    return NameFirst::EditFieldList({.Name = "EditFieldPoolLabel",
                                     .Index = index,
                                     .Left = left,
                                     .Top = top,
                                     .Width = 117,
                                     .Height = 16,
                                     .TabIndex = tabIndex},
                                    {.Text = "", .Border = false, .UseFocusRing = false});
}

std::string surface(int32_t index, int32_t left, int32_t top, int32_t width, int32_t height,
                    int32_t tabIndex) {
    return NameFirst::SpriteSurfaceList({.Name = "popSurfaces",
                                         .Index = index,
                                         .Left = left,
                                         .Top = top,
                                         .Width = width,
                                         .Height = height,
                                         .TabIndex = tabIndex});
}

std::string countLabel(int32_t index, int32_t left, int32_t top, int32_t tabIndex) {
    return NameFirst::StaticTextList({.Name = "StaticTextPopSize",
                                      .Index = index,
                                      .Left = left,
                                      .Top = top,
                                      .Width = 35,
                                      .Height = 20,
                                      .TabIndex = tabIndex},
                                     {.Text = "0"});
}

std::string clearButton(int32_t index, int32_t left, int32_t top, int32_t tabIndex, bool visible) {
    return NameFirst::PushButtonList({.Name = "PushButtonClear",
                                      .Index = index,
                                      .Left = left,
                                      .Top = top,
                                      .Width = 69,
                                      .Height = 20,
                                      .TabIndex = tabIndex,
                                      .Visible = visible},
                                     {.Caption = "Clear"});
}

} // namespace

namespace WindowMainLists {

const std::string Window = WindowList({.Placement = 2,
                                       .Width = 663,
                                       .Height = 520,
                                       .Frame = 0,
                                       .HasBackColor = false,
                                       .Title = "Tarnwick",
                                       .CloseButton = true,
                                       .Resizeable = false,
                                       .MaximizeButton = false,
                                       .MinimizeButton = false});

// #1
const std::string StaticTextScenario = NameFirst::StaticTextList({.Name = "StaticTextScenario",
                                                                  .Left = 16,
                                                                  .Top = 480,
                                                                  .Width = 150,
                                                                  .Height = 20,
                                                                  .TabIndex = 0},
                                                                 {.Text = "Scenario: None chosen"});

// #2 to #5: above pools 2, 3, 4 and 5.
const std::array<std::string, 4> EditFieldPoolLabel = {
    poolLabel(0, 325, 73, 1),
    poolLabel(1, 495, 73, 2),
    poolLabel(2, 325, 307, 3),
    poolLabel(3, 495, 307, 4),
};

// #6, #9, #12, #14, #16, #23: the top pond, the bottom pond and the four pools.
const std::array<std::string, 6> popSurfaces = {
    surface(0, 16, 31, 256, 184, 5),   surface(1, 16, 265, 256, 184, 8),
    surface(2, 325, 95, 117, 95, 11),  surface(3, 495, 95, 117, 95, 13),
    surface(4, 325, 329, 117, 95, 15), surface(5, 495, 329, 117, 95, 22),
};

// #7
const std::string PushButtonRun = NameFirst::PushButtonList(
    {.Name = "PushButtonRun", .Left = 519, .Top = 480, .Width = 69, .Height = 20, .TabIndex = 6},
    {.Caption = "Run"});

// #8: stopped when the window is built.
const std::string TimerMain = TimerList({.Mode = 0, .Period = 120});

// #10, #11, #13, #15, #17, #24
const std::array<std::string, 6> StaticTextPopSize = {
    countLabel(0, 278, 195, 9),  countLabel(1, 278, 429, 10), countLabel(2, 448, 170, 12),
    countLabel(3, 618, 170, 14), countLabel(4, 448, 404, 16), countLabel(5, 618, 404, 23),
};

// #18 to #22, #25: the ponds' two are never shown.
const std::array<std::string, 6> PushButtonClear = {
    clearButton(0, 278, 31, 17, false), clearButton(1, 278, 265, 18, false),
    clearButton(2, 349, 195, 19, true), clearButton(3, 519, 195, 20, true),
    clearButton(4, 349, 429, 21, true), clearButton(5, 519, 429, 24, true),
};

// #26: the day counter.
const std::string StaticTextNumClicks = NameFirst::StaticTextList({.Name = "StaticTextNumClicks",
                                                                   .Left = 459,
                                                                   .Top = 480,
                                                                   .Width = 45,
                                                                   .Height = 22,
                                                                   .TabIndex = 25},
                                                                  {.Text = "0"});

// #27
const std::string StaticText1 = NameFirst::StaticTextList(
    {.Name = "StaticText1", .Left = 16, .Top = 12, .Width = 100, .Height = 20, .TabIndex = 26},
    {.Text = "Top pond"});

// #28
const std::string StaticText2 = NameFirst::StaticTextList(
    {.Name = "StaticText2", .Left = 16, .Top = 246, .Width = 100, .Height = 20, .TabIndex = 27},
    {.Text = "Bottom pond"});

// #29
const std::string spriteDataPopUp1 = NameFirst::CanvasList({.Name = "spriteDataPopUp1",
                                                            .Left = 491,
                                                            .Top = 8,
                                                            .Width = 85,
                                                            .Height = 69,
                                                            .TabIndex = 28,
                                                            .Visible = false});

// #30
const std::string spritePopUp1 = NameFirst::CanvasList({.Name = "spritePopUp1",
                                                        .Left = 467,
                                                        .Top = 8,
                                                        .Width = 12,
                                                        .Height = 12,
                                                        .TabIndex = 29,
                                                        .Visible = false});

// #31: right-aligned against the day counter.
const std::string StaticText3 = NameFirst::StaticTextList(
    {.Name = "StaticText3", .Left = 411, .Top = 480, .Width = 39, .Height = 22, .TabIndex = 30},
    {.Text = "Day:", .TextAlign = 2});

} // namespace WindowMainLists
