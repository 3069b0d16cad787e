// Asking the window system for the keyboard only when a window does not have it, and the
// window a message box belongs to.

#include "platform/Window.h"
#include "platform/testing/DesktopTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A window that takes the keyboard whenever it is activated, as the main window does; its
// Frame says what kind of window it is.
class ActivatedWindow : public Window {
  public:
    explicit ActivatedWindow(int frame) : frame_(frame) {}
    void Layout() override {
        Frame = frame_;
        Title = "Window " + std::to_string(frame_);
        Resizeable = false;
    }
    void Event_Activate() override {
        ++activations;
        SetFocus();
    }
    int activations = 0;

  private:
    int frame_;
};

std::shared_ptr<ActivatedWindow> shown(int frame) {
    auto w = std::make_shared<ActivatedWindow>(frame);
    w->Constructor();
    w->Show();
    EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
    uitest::ProcessEvents(20);
    return w;
}

class WindowActivation : public testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
};

} // namespace

TEST_F(WindowActivation, OnlyAWindowWithoutTheKeyboardAsksForIt) {
    const auto start = uitest::ActivationRequests();
    auto main = shown(0);
    // Shown: one request, none more from the activation whose handler takes the keyboard.
    EXPECT_GE(main->activations, 1);
    EXPECT_EQ(uitest::ActivationRequests() - start, 1u);

    // Already the active window: taking the keyboard or being shown again asks nothing.
    main->SetFocus();
    main->Show();
    uitest::ProcessEvents(20);
    EXPECT_EQ(uitest::ActivationRequests() - start, 1u);

    // Behind another window it asks again, and comes to the front.
    auto floating = shown(3);
    EXPECT_FALSE(uitest::IsActive(*main));
    const auto behind = uitest::ActivationRequests();
    main->SetFocus();
    EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*main); }));
    EXPECT_EQ(uitest::ActivationRequests() - behind, 1u);
}

TEST_F(WindowActivation, AMessageBoxBelongsToTheModalWindowElseTheMainWindow) {
    auto main = shown(0);
    auto dialog = shown(1);
    EXPECT_TRUE(uitest::MessageBoxWouldBelongTo(*dialog));
    // Right after the dialog closes no window is active yet: the box still has the main
    // window to belong to.
    dialog->Close();
    EXPECT_TRUE(uitest::MessageBoxWouldBelongTo(*main));
}
