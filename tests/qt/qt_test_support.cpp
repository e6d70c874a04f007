// Helpers for driving the Qt backends with real Qt input events.
#include "tests/qt/qt_test_support.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace sucholin::test {

void OpenMainWindow() {
  ASSERT_TRUE(CreateMainWindow());
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
}

QWidget* Main() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QLatin1String("MainWindow")) return widget;
  }
  ADD_FAILURE() << "no MainWindow";
  return nullptr;
}

QWindow* Handle() { return Main()->windowHandle(); }

void Click(QWidget* widget, Qt::MouseButton button) {
  QTest::mouseClick(Handle(), button, {}, widget->mapTo(Main(), widget->rect().center()));
}

std::vector<Event> ControlEvents() {
  QCoreApplication::processEvents();
  Control<QPushButton>("SelectButton")->click();
  std::vector<Event> events;
  for (;;) {
    const Event event = WaitEvent();
    if (event.kind == EventKind::ControlEvent && event.control == SelectButton) break;
    if (event.kind == EventKind::ControlEvent || event.kind == EventKind::CloseEvent) {
      events.push_back(event);
    }
  }
  return events;
}

}  // namespace sucholin::test
