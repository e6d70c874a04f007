// The owner of the Qt shell services' dialogs.
#include "shell/qt/dialog_owner.h"

#include <QApplication>

namespace sucholin::qt {

QWidget* DialogOwner() {
  if (QWidget* open = QApplication::activeModalWidget()) return open;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() == Qt::Window) return window;
  }
  return QApplication::activeWindow();
}

}  // namespace sucholin::qt
