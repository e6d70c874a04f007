// The owner of the Qt shell services' dialogs.
#include "shell/qt/dialog_owner.h"

#include <QApplication>

#include "ui/texts.h"

namespace sucholin::qt {

QWidget* DialogOwner() {
  if (QWidget* open = QApplication::activeModalWidget()) return open;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() == Qt::Window) return window;
  }
  return QApplication::activeWindow();
}

QString FromFixed(const char* cp1252) { return QString::fromUtf8(texts::Utf8FromCp1252(cp1252)); }

}  // namespace sucholin::qt
