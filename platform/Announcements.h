#pragma once
// Inside the platform only: telling assistive technology (a screen reader) of a result that
// appears on the screen while the user looks elsewhere, as a sighted user sees it appear.

class QString;
class QWidget;

// Announces the text that the label now shows, once, when the label is on the screen and
// assistive technology listens. A text that is only a number (a count, a day) is not a
// result: it changes while the ponds run and would drown everything else.
void announceShownText(QWidget* label, const QString& text);

// Announces the new caption or row of the control that has the keyboard, once, where the
// toolkit's own report of that change does not reach a screen reader: before Qt 6.8, a
// button's new caption reaches it without its text, and a popup menu's row not at all.
// Elsewhere, and for a control without the keyboard, nothing is added.
void announceFocusedChange(QWidget* control, const QString& text);
// A popup menu's row is announced when the keyboard reaches it and when it changes there.
void announceFocusedRows(QWidget* popupMenu);
