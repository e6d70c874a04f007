// Selects a row of the Qt result list the way a click does, for the command tests.
#include <QAbstractItemView>
#include <QApplication>

#include "tests/commands/scripted_shell.h"

namespace sucholin::testing {

void SelectResultRow(int row) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    for (auto* view : window->findChildren<QAbstractItemView*>()) {
      view->setCurrentIndex(view->model()->index(row, 0));
      return;
    }
  }
}

}  // namespace sucholin::testing
