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
