// The window driver on Qt: real Qt input events through the window, on the offscreen platform.
#include "tests/contract/window_driver.h"
#include "tests/qt/widgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QScrollBar>
#include <QGroupBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include "ui/qt/window.h"

namespace sucholin::testing {
namespace {

constexpr int32_t MarkerWindow = -7;  // an event no backend raises: the end of a run

QWidget* Main() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == QLatin1String("MainWindow")) return widget;
  return nullptr;
}

QTableWidget* List() { return static_cast<QTableWidget*>(Widget(ResultList)); }

void ClickAt(QWidget* widget, QPoint at, Qt::MouseButton button, bool twice) {
  QTest::mouseEvent(twice ? QTest::MouseDClick : QTest::MouseClick, Main()->windowHandle(), button,
                    {}, widget->mapTo(Main(), at));
}

}  // namespace

QWidget* Widget(int32_t id) {
  const layout::Control* control = layout::Find(id);
  return control ? Main()->findChild<QWidget*>(QString::fromLatin1(control->name)) : Main();
}

void OpenMainWindow() {
  ASSERT_TRUE(CreateMainWindow());
  Main()->activateWindow();  // again, after the dialogs of an earlier suite
  ASSERT_TRUE(QTest::qWaitForWindowActive(Main()));
}

std::vector<Event> TakeEvents() {
  QCoreApplication::processEvents();
  QTimer::singleShot(20, [] { qt::PostEvent({.window = MarkerWindow}); });  // an OtherEvent
  std::vector<Event> events;
  for (Event event = WaitEvent(); event.window != MarkerWindow; event = WaitEvent())
    events.push_back(event);
  return events;
}

void ClickControl(int32_t id) {
  ClickAt(Widget(id), Widget(id)->rect().center(), Qt::LeftButton, false);
}

void ClickRow(int32_t row, bool right, bool twice) {
  QWidget* viewport = List()->viewport();
  const QPoint at = row < List()->rowCount()
                        ? List()->visualRect(List()->model()->index(row, 0)).center()
                        : QPoint(40, viewport->height() - 5);
  ClickAt(viewport, at, right ? Qt::RightButton : Qt::LeftButton, twice);
}

void PressKey(Key key) {
  const Qt::Key keys[] = {Qt::Key_Tab,    Qt::Key_Tab,  Qt::Key_Space,    Qt::Key_Return,
                          Qt::Key_Escape, Qt::Key_Down, Qt::Key_Backspace};
  QTest::keyClick(Main()->windowHandle(), keys[static_cast<int>(key)],
                  key == Key::ShiftTab ? Qt::ShiftModifier : Qt::NoModifier);
}

void Type(const std::string& text) {
  for (const QChar c : QString::fromStdString(text))
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
}

void RequestClose() { Main()->windowHandle()->close(); }

void Focus(int32_t id) { Widget(id)->setFocus(); }
void SelectRow(int32_t row) { List()->setCurrentIndex(List()->model()->index(row, 0)); }

int32_t FocusedControl() {
  const QWidget* focus = QApplication::focusWidget();
  if (focus == List()->viewport()) return ResultList;
  for (const layout::Control& control : layout::Controls)
    if (Widget(control.id) == focus) return control.id;
  return -1;
}

bool IsActiveAndVisible() { return Main()->isVisible() && Main()->isActiveWindow(); }

std::string ShownText(int32_t id) {
  QWidget* widget = Widget(id);  // fields and buttons have a text, frames a title; a list neither
  const char* shown = id < 0 ? "windowTitle" : qobject_cast<QGroupBox*>(widget) ? "title" : "text";
  return widget->property(shown).toString().toStdString();
}

Place PlaceOf(int32_t id) {
  const QRect place = id < 0 ? Main()->rect() : Widget(id)->geometry();
  return {place.x(), place.y(), place.width(), place.height()};
}

std::string Column(int32_t column) {
  return List()->horizontalHeaderItem(column)->text().toStdString() + " " +
         std::to_string(List()->columnWidth(column));
}

int32_t RowCount() { return List()->rowCount(); }

std::pair<int, int> ListScroll(bool toEnd) {  // by the wheel, through the list's event filter
  QCoreApplication::processEvents();          // the list lays out its new rows
  for (int turn = 0; toEnd && turn < 100; ++turn) {
    QWheelEvent wheel({20, 20}, List()->viewport()->mapToGlobal(QPointF(20, 20)), {},
                      turn % 2 ? QPoint(0, -120) : QPoint(-120, 0), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(List()->viewport(), &wheel);
  }
  return {List()->horizontalScrollBar()->value(), List()->verticalScrollBar()->value()};
}

Color PixelAt(int x, int y) {
  const QColor pixel = Main()->grab().toImage().pixelColor(x, y);
  return Rgb(static_cast<uint8_t>(pixel.red()), static_cast<uint8_t>(pixel.green()),
             static_cast<uint8_t>(pixel.blue()));
}

}  // namespace sucholin::testing
