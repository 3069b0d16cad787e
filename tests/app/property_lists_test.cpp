// The property lists of the seven windows: their exact bytes, and the entry order of the
// dialogs' Name-last lists.
#include "tests/app/AppTestSupport.h"

#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "app/dialogs/WindowWhereTo.h"
#include "platform/PropertyList.h"
#include "pond_window/WindowMain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace {

// 64-bit FNV-1a.
uint64_t fingerprint(std::string_view bytes) {
    uint64_t h = 0xcbf29ce484222325u;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3u;
    }
    return h;
}

// The entries as "Name=value", so that a changed list shows what changed.
std::string describe(std::string_view list) {
    auto decoded = DecodePropertyList(list);
    std::ostringstream out;
    for (auto& e : decoded.entries) {
        out << e.name << '=';
        if (auto i = std::get_if<int32_t>(&e.value)) out << *i;
        if (auto b = std::get_if<bool>(&e.value)) out << (*b ? "true" : "false");
        if (auto c = std::get_if<Color>(&e.value))
            out << int(c->red) << ',' << int(c->green) << ',' << int(c->blue);
        if (auto t = std::get_if<std::string>(&e.value)) out << '"' << *t << '"';
        out << ' ';
    }
    if (decoded.error) out << "ERROR " << decoded.error->message;
    return out.str();
}

} // namespace

// Every list of every window, byte for byte as the windows were first written: the length
// and a fingerprint of the bytes.
TEST(PropertyLists, EveryListOfTheSevenWindowsKeepsItsBytes) {
    const struct {
        const char* what;
        const std::string& list;
        std::size_t size;
        uint64_t fingerprint;
    } lists[] = {
        {"WindowMain Window", WindowMainLists::Window, 288, 0xb237274aff2911a3u},
        {"WindowMain StaticTextScenario", WindowMainLists::StaticTextScenario, 366,
         0x87b89eef14e59bdcu},
        {"WindowMain EditFieldPoolLabel[0]", WindowMainLists::EditFieldPoolLabel[0], 494,
         0x5bcdcef9c753260eu},
        {"WindowMain EditFieldPoolLabel[1]", WindowMainLists::EditFieldPoolLabel[1], 494,
         0xb76e00626419c270u},
        {"WindowMain EditFieldPoolLabel[2]", WindowMainLists::EditFieldPoolLabel[2], 494,
         0xc7055178c91a2405u},
        {"WindowMain EditFieldPoolLabel[3]", WindowMainLists::EditFieldPoolLabel[3], 494,
         0x2b0a9bb43f281623u},
        {"WindowMain popSurfaces[0]", WindowMainLists::popSurfaces[0], 326, 0x4312a0d95ad2a360u},
        {"WindowMain PushButtonRun", WindowMainLists::PushButtonRun, 296, 0x397842211bcb2970u},
        {"WindowMain TimerMain", WindowMainLists::TimerMain, 20, 0xa444cb15ecb1dec5u},
        {"WindowMain popSurfaces[1]", WindowMainLists::popSurfaces[1], 326, 0xcb2b714f2337ca9au},
        {"WindowMain StaticTextPopSize[0]", WindowMainLists::StaticTextPopSize[0], 345,
         0x8db1d5efb76b8a34u},
        {"WindowMain StaticTextPopSize[1]", WindowMainLists::StaticTextPopSize[1], 345,
         0xd2a0a04f53c0185bu},
        {"WindowMain popSurfaces[2]", WindowMainLists::popSurfaces[2], 326, 0x2c326cca3ef96988u},
        {"WindowMain StaticTextPopSize[2]", WindowMainLists::StaticTextPopSize[2], 345,
         0x00fc16a27c7295b8u},
        {"WindowMain popSurfaces[3]", WindowMainLists::popSurfaces[3], 326, 0xcde8c233c2d82335u},
        {"WindowMain StaticTextPopSize[3]", WindowMainLists::StaticTextPopSize[3], 345,
         0x04b96bfc197579aeu},
        {"WindowMain popSurfaces[4]", WindowMainLists::popSurfaces[4], 326, 0x74da55c09515f73eu},
        {"WindowMain StaticTextPopSize[4]", WindowMainLists::StaticTextPopSize[4], 345,
         0x081a6f12a8689509u},
        {"WindowMain PushButtonClear[0]", WindowMainLists::PushButtonClear[0], 300,
         0xc411460600ed930au},
        {"WindowMain PushButtonClear[1]", WindowMainLists::PushButtonClear[1], 300,
         0x78a1a0c043a5d3bfu},
        {"WindowMain PushButtonClear[2]", WindowMainLists::PushButtonClear[2], 300,
         0x73e4edd9512c156cu},
        {"WindowMain PushButtonClear[3]", WindowMainLists::PushButtonClear[3], 300,
         0x20ca184c41f99153u},
        {"WindowMain PushButtonClear[4]", WindowMainLists::PushButtonClear[4], 300,
         0x5b0cc94c4bda6fc5u},
        {"WindowMain popSurfaces[5]", WindowMainLists::popSurfaces[5], 326, 0x30532ac204297b00u},
        {"WindowMain StaticTextPopSize[5]", WindowMainLists::StaticTextPopSize[5], 345,
         0x80ada0968e66d1f4u},
        {"WindowMain PushButtonClear[5]", WindowMainLists::PushButtonClear[5], 300,
         0xbc3666764b41d368u},
        {"WindowMain StaticTextNumClicks", WindowMainLists::StaticTextNumClicks, 347,
         0xa958e8b90a027904u},
        {"WindowMain StaticText1", WindowMainLists::StaticText1, 346, 0x71ee459907484c70u},
        {"WindowMain StaticText2", WindowMainLists::StaticText2, 349, 0x3f29f89df77b2919u},
        {"WindowMain spriteDataPopUp1", WindowMainLists::spriteDataPopUp1, 266,
         0xc7967b79219f0584u},
        {"WindowMain spritePopUp1", WindowMainLists::spritePopUp1, 262, 0x080837cc7080bd89u},
        {"WindowMain StaticText3", WindowMainLists::StaticText3, 342, 0xd0767c87d54cb7c4u},
        {"WindowSelectScenario Window", WindowSelectScenarioLists::Window, 295,
         0x5cff6e27b57b215cu},
        {"WindowSelectScenario StaticText1", WindowSelectScenarioLists::StaticText1, 396,
         0xd29b133dec579fd1u},
        {"WindowSelectScenario PushButtonOkay", WindowSelectScenarioLists::PushButtonOkay, 338,
         0x3264790495c3803du},
        {"WindowSelectScenario PopupMenuScenario", WindowSelectScenarioLists::PopupMenuScenario,
         386, 0xc1805c1ee9235021u},
        {"WindowSelectScenario PushButtonCancel", WindowSelectScenarioLists::PushButtonCancel, 342,
         0x69a5e95dbfb06ed4u},
        {"WindowSample Window", WindowSampleLists::Window, 286, 0xe8f25b8c824eba37u},
        {"WindowSample StaticText1", WindowSampleLists::StaticText1, 390, 0x895dad74892141ddu},
        {"WindowSample PopupMenuPond", WindowSampleLists::PopupMenuPond, 395, 0x71202fa9e7f6d49au},
        {"WindowSample StaticText2", WindowSampleLists::StaticText2, 394, 0x9195c7848a9943ffu},
        {"WindowSample EditFieldNumFrogs", WindowSampleLists::EditFieldNumFrogs, 526,
         0x485abfba93ca5f56u},
        {"WindowSample PushButtonSample", WindowSampleLists::PushButtonSample, 342,
         0xccd5b1c223f12111u},
        {"WindowSample StaticTextResult", WindowSampleLists::StaticTextResult, 383,
         0xe1922905d265bf6du},
        {"WindowWhereTo Window", WindowWhereToLists::Window, 280, 0x9d0caf497c2e29e6u},
        {"WindowWhereTo StaticText1", WindowWhereToLists::StaticText1, 404, 0x0be6da49af7039c3u},
        {"WindowWhereTo RadioButtonDestination[2]", WindowWhereToLists::RadioButtonDestination[2],
         341, 0x0b92f1bb52c0b741u},
        {"WindowWhereTo RadioButtonDestination[0]", WindowWhereToLists::RadioButtonDestination[0],
         340, 0x92a901f87573351cu},
        {"WindowWhereTo RadioButtonDestination[1]", WindowWhereToLists::RadioButtonDestination[1],
         343, 0x7319fdb1bb36447au},
        {"WindowWhereTo PushButtonOkay", WindowWhereToLists::PushButtonOkay, 338,
         0x823b7be3a1852899u},
        {"WindowWhereTo PushButtonCancel", WindowWhereToLists::PushButtonCancel, 342,
         0x379a2b46d1c32642u},
        {"WindowTheTruth Window", WindowTheTruthLists::Window, 289, 0xbfcdd49a478a0d89u},
        {"WindowTheTruth Rectangle1", WindowTheTruthLists::Rectangle1, 309, 0xa13444acde9fcd24u},
        {"WindowTheTruth StaticTextTheTruth", WindowTheTruthLists::StaticTextTheTruth, 395,
         0xdac9dec1dd415222u},
        {"WindowTheTruth PushButtonOkay", WindowTheTruthLists::PushButtonOkay, 339,
         0xb2d0d1704c673190u},
        {"WindowTheTruth StaticText1", WindowTheTruthLists::StaticText1, 393, 0x611f248f4b0288d2u},
        {"WindowTheTruth EditFieldPassword", WindowTheTruthLists::EditFieldPassword, 524,
         0xe00ef51b0da8989au},
        {"WindowTheTruth PushButtonNowTellMe", WindowTheTruthLists::PushButtonNowTellMe, 351,
         0xe325999f8586db5au},
        {"WindowTheTruth StaticTextTryAgain", WindowTheTruthLists::StaticTextTryAgain, 402,
         0x924eb553d169e194u},
        {"WindowSplash Window", WindowSplashLists::Window, 280, 0xc1db44850b54518fu},
        {"WindowSplash LabelTitle", WindowSplashLists::LabelTitle, 367, 0xc4fd3b4159c9ff95u},
        {"WindowSplash StaticText2", WindowSplashLists::StaticText2, 366, 0x68a62a9cb490feacu},
        {"WindowSplash StaticText1", WindowSplashLists::StaticText1, 358, 0xb8f9b97af7fd9547u},
        {"WindowSplash CanvasCadmoriaCover", WindowSplashLists::CanvasCadmoriaCover, 269,
         0x06794a23bb80ea8bu},
        {"WindowSplash PushButtonProceed", WindowSplashLists::PushButtonProceed, 304,
         0x985eda5800f9e38cu},
        {"WindowSplash Timer1", WindowSplashLists::Timer1, 20, 0xe6b3aa9b1e2f611bu},
        {"WindowAbout Window", WindowAboutLists::Window, 294, 0x70c00818023c03eeu},
        {"WindowAbout StaticTextAboutBlurb", WindowAboutLists::StaticTextAboutBlurb, 665,
         0x7f62aaf8eda81275u},
        {"WindowAbout LabelTitle", WindowAboutLists::LabelTitle, 367, 0x37874698249806d7u},
        {"WindowAbout LabelWebAddress", WindowAboutLists::LabelWebAddress, 370,
         0x1433663ad666a934u},
        {"WindowAbout PushButtonClose", WindowAboutLists::PushButtonClose, 297,
         0xd7669201d026ae3du},
        {"WindowAbout CanvasCadmoriaCover", WindowAboutLists::CanvasCadmoriaCover, 269,
         0x99eaaeae2793686du},
        {"WindowAbout PushButtonGoThere", WindowAboutLists::PushButtonGoThere, 305,
         0x476b9d419a7bb274u},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.what);
        EXPECT_EQ(l.list.size(), l.size);
        EXPECT_EQ(fingerprint(l.list), l.fingerprint) << describe(l.list);
    }
}

// The four dialogs' control lists: TabIndex, the class's entries, the common tail.
TEST(PropertyLists, DialogListsStandInTheNameLastOrder) {
    namespace O = ListOrder::NameLast;
    namespace S = WindowSelectScenarioLists;
    namespace M = WindowSampleLists;
    namespace D = WindowWhereToLists;
    namespace T = WindowTheTruthLists;
    const struct {
        const char* what;
        const std::string& list;
        const std::vector<std::string>& names;
    } lists[] = {
        {"scenario window", S::Window, ListOrder::Window},
        {"scenario StaticText1", S::StaticText1, O::StaticText},
        {"scenario PushButtonOkay", S::PushButtonOkay, O::PushButton},
        {"scenario PopupMenuScenario", S::PopupMenuScenario, O::PopupMenu},
        {"scenario PushButtonCancel", S::PushButtonCancel, O::PushButton},
        {"sample window", M::Window, ListOrder::Window},
        {"sample StaticText1", M::StaticText1, O::StaticText},
        {"sample PopupMenuPond", M::PopupMenuPond, O::PopupMenu},
        {"sample StaticText2", M::StaticText2, O::StaticText},
        {"sample EditFieldNumFrogs", M::EditFieldNumFrogs, O::EditField},
        {"sample PushButtonSample", M::PushButtonSample, O::PushButton},
        {"sample StaticTextResult", M::StaticTextResult, O::StaticText},
        {"where-to window", D::Window, ListOrder::Window},
        {"where-to StaticText1", D::StaticText1, O::StaticText},
        {"where-to RadioButtonDestination[0]", D::RadioButtonDestination[0], O::RadioButton},
        {"where-to RadioButtonDestination[1]", D::RadioButtonDestination[1], O::RadioButton},
        {"where-to RadioButtonDestination[2]", D::RadioButtonDestination[2], O::RadioButton},
        {"where-to PushButtonOkay", D::PushButtonOkay, O::PushButton},
        {"where-to PushButtonCancel", D::PushButtonCancel, O::PushButton},
        {"truth window", T::Window, ListOrder::Window},
        {"truth Rectangle1", T::Rectangle1, O::Rectangle},
        {"truth StaticTextTheTruth", T::StaticTextTheTruth, O::StaticText},
        {"truth PushButtonOkay", T::PushButtonOkay, O::PushButton},
        {"truth StaticText1", T::StaticText1, O::StaticText},
        {"truth EditFieldPassword", T::EditFieldPassword, O::EditField},
        {"truth PushButtonNowTellMe", T::PushButtonNowTellMe, O::PushButton},
        {"truth StaticTextTryAgain", T::StaticTextTryAgain, O::StaticText},
    };
    for (const auto& l : lists)
        EXPECT_EQ(EntryNames(l.list), l.names) << l.what;
}
