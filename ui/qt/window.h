// What the Qt window backend's files share: the main window widget and the event queue.
#pragma once

#include <QColor>
#include <QWidget>
#include <vector>

#include "ui/ui.h"

class QKeyEvent;
class QTableWidget;

namespace sucholin::qt {

inline QColor ToQColor(Color color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

// Creates the application once, German throughout; without a display the program ends
// with one line and exit status 1.
void EnsureApplication();

// Queues an event for WaitEvent and wakes it.
void PostEvent(const Event& event);
void PostControlEvent(int32_t id, int32_t type);
// Null for an id that names no control.
QWidget* ControlWidget(int32_t id);

// MainWindow: reports its window events, only reports a close request, fills itself with
// PanelBlue, and runs its own Tab navigation over the controls.
class MainWindowWidget : public QWidget {
 public:
  MainWindowWidget();

  // Keeps the arrow keys from moving between (and checking) option buttons.
  void WatchOption(QWidget* option);
  // Turns mouse clicks on the list's rows area into control events, and answers its keys.
  void WatchList(QTableWidget* list);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool ListMouseEvent(QEvent* event);
  bool ListKey(const QKeyEvent* key);

  std::vector<QObject*> options_;
  QTableWidget* list_ = nullptr;
  Qt::MouseButton listPressed_ = Qt::NoButton;  // pressed on the list, no click reported yet
};

}  // namespace sucholin::qt
