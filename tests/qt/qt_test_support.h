// Helpers for driving the Qt backends with real Qt input events.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <vector>

#include "ui/ui.h"

#include <ostream>

class QWindow;

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace sucholin::test {

// Creates MainWindow once and waits until it is the active window.
void OpenMainWindow();
QWidget* Main();
QWindow* Handle();

template <typename Widget>
Widget* Control(const char* name) {
  auto* widget = Main()->findChild<Widget*>(QString::fromLatin1(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// A left (or other) click in the middle of a widget of MainWindow, through the window.
void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton);

// The control and close events WaitEvent reports until now, in order; the kinds the program
// ignores are dropped. A click on SelectButton from code marks the end of the run.
std::vector<Event> ControlEvents();

}  // namespace sucholin::test
