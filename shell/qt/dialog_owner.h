// What the Qt shell services share: the owner of their dialogs and the fixed texts' encoding.
#pragma once

#include <QString>
#include <QWidget>

namespace sucholin::qt {

// The dialog already open, if one is; otherwise the program's main window, so that every
// dialog is centred on it and stays above it, even when no window is active at the moment.
QWidget* DialogOwner();
// A fixed text, kept in code page 1252.
QString FromFixed(const char* cp1252);

}  // namespace sucholin::qt
