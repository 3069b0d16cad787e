#pragma once
// Inside the platform only: telling assistive technology (a screen reader) of a result that
// appears on the screen while the user looks elsewhere, as a sighted user sees it appear.

class QString;
class QWidget;

// Announces the text that the label now shows, once, when the label is on the screen and
// assistive technology listens. A text that is only a number (a count, a day) is not a
// result: it changes while the ponds run and would drown everything else.
void announceShownText(QWidget* label, const QString& text);
