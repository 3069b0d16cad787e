#pragma once
// Inside the platform only: the box that MsgBox shows.

#include <QMessageBox>

#include <memory>
#include <string>

// The box that MsgBox shows for the text, over the given window (or none), not yet shown.
std::unique_ptr<QMessageBox> NewMessageBox(const std::string& text, QWidget* parent);
