// What the Qt shell services share: the owner of their dialogs.
#pragma once

#include <QWidget>

namespace sucholin::qt {

// The dialog already open, if one is; otherwise the program's main window, so that every
// dialog is centred on it and stays above it, even when no window is active at the moment.
QWidget* DialogOwner();

}  // namespace sucholin::qt
