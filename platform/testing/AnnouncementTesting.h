#pragma once
// What assistive technology is told as announcements, caught where the toolkit hands its
// accessibility events to the desktop's screen reader.

#include <string>
#include <vector>

// While it lives, accessibility is on (as with a screen reader running) and every
// announcement's text is recorded instead of going to the desktop.
class AnnouncementRecorder {
  public:
    AnnouncementRecorder();
    ~AnnouncementRecorder();
    AnnouncementRecorder(const AnnouncementRecorder&) = delete;
    AnnouncementRecorder& operator=(const AnnouncementRecorder&) = delete;
    std::vector<std::string> texts;
    // Announcements found inside a window, whose window and labels a screen reader speaks
    // before them.
    int insideAWindow = 0;

  private:
    bool wasActive_ = false;
};

// Whether the platform itself announces the new caption or row of the control that has the
// keyboard: where the toolkit's own report of it does not reach a screen reader (before Qt
// 6.8). Elsewhere the toolkit tells, and the platform adds nothing.
bool PlatformAnnouncesFocusedChanges();
