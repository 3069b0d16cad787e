#pragma once
// Inside the platform only: the standard Edit items (EditUndo, EditCut, EditCopy, EditPaste,
// EditClear), which the platform itself enables and carries out on the text field that has
// the keyboard in the window that shows the bar.

class MenuItem;

// Enables each standard Edit item below the bar that applies to that field; leaves every
// other item as it is.
void EnableEditItems(MenuItem& bar);
// Carries out a standard Edit item on that field, if it applies there now. Returns whether
// the item is a standard Edit item.
bool PerformEditItem(const MenuItem& item);
