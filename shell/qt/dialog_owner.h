// What the Qt shell services share: the owner of their dialogs and the fixed texts.
#pragma once

#include <QString>
#include <QWidget>

namespace sucholin::qt {

// The dialog already open, if one is; otherwise the program's main window, so that every
// dialog is centred on it and stays above it, even when no window is active at the moment.
QWidget* DialogOwner();
// A fixed text of ui/texts.h.
QString FromFixed(const char* text);

}  // namespace sucholin::qt
