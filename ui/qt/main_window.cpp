// MainWindow on Qt: window events, the close request, Tab navigation and the list's clicks.
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTableWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "ui/qt/window.h"
#include "ui/window_layout.h"

namespace sucholin::qt {
namespace {

void PostWindowEvent(EventKind kind) { PostEvent({.kind = kind, .window = MainWindow}); }

int32_t ListClickType(Qt::MouseButton button, bool twice) {
  return button == Qt::LeftButton ? (twice ? DoubleClick : Click)
                                  : (twice ? RightDoubleClick : RightClick);
}

}  // namespace

MainWindowWidget::MainWindowWidget()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint) {}

void MainWindowWidget::WatchOption(QWidget* option) {
  options_.push_back(option);
  option->installEventFilter(this);
}

void MainWindowWidget::WatchList(QTableWidget* list) {
  list_ = list;
  list->installEventFilter(this);
  list->viewport()->installEventFilter(this);
}

void MainWindowWidget::paintEvent(QPaintEvent*) {
  QPainter(this).fillRect(rect(), ToQColor(PanelBlue));
  PostWindowEvent(EventKind::PaintEvent);
}

void MainWindowWidget::moveEvent(QMoveEvent*) { PostWindowEvent(EventKind::MoveEvent); }

void MainWindowWidget::resizeEvent(QResizeEvent*) { PostWindowEvent(EventKind::SizeEvent); }

void MainWindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    PostWindowEvent(EventKind::ActivateEvent);
  } else if (event->type() == QEvent::WindowStateChange) {
    // The size is fixed, so a restore from the task bar is the one size change there is.
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized()) {
      PostWindowEvent(EventKind::SizeEvent);
    }
  }
  QWidget::changeEvent(event);
}

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  // Ending the program is the caller's decision; the window stays as it is.
  event->ignore();
  PostWindowEvent(EventKind::CloseEvent);
}

// Through the enabled, visible tab stops as on every platform. (Qt's own chain stops only at the
// checked option of a group, and takes the tab focus from the others whenever an option gets it.)
bool MainWindowWidget::focusNextPrevChild(bool next) {
  const QWidget* focus = QApplication::focusWidget();
  int32_t current = -1;
  for (const layout::Control& control : layout::Controls) {
    const QWidget* widget = ControlWidget(control.id);
    if (focus && widget && (widget == focus || widget->isAncestorOf(focus))) current = control.id;
  }
  const int32_t target = layout::NextTabStop(current, next, [](int32_t id) {
    const QWidget* widget = ControlWidget(id);
    return widget && widget->isEnabled() && widget->isVisible();
  });
  if (target < 0) return false;
  ControlWidget(target)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

bool MainWindowWidget::eventFilter(QObject* watched, QEvent* event) {
  if (list_ && watched == list_->viewport()) return ListMouseEvent(event);
  if (list_ && watched == list_ && event->type() == QEvent::KeyPress) {
    return ListKey(static_cast<QKeyEvent*>(event));
  }
  if (event->type() == QEvent::KeyPress &&
      std::find(options_.begin(), options_.end(), watched) != options_.end()) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Up:
      case Qt::Key_Down:
      case Qt::Key_Left:
      case Qt::Key_Right: return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

// A click is reported when its button comes up, a double click when it goes down the second
// time; the list itself still handles every event (selection, scrolling).
bool MainWindowWidget::ListMouseEvent(QEvent* event) {
  const auto type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseButtonDblClick) {
    return false;
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const Qt::MouseButton button = mouse->button();
  if (button != Qt::LeftButton && button != Qt::RightButton) return false;
  if (type == QEvent::MouseButtonRelease) {
    if (button == listPressed_) PostControlEvent(ResultList, ListClickType(button, false));
    listPressed_ = Qt::NoButton;
    return false;
  }
  // As in a classic report list, a press beside the rows clears the selection.
  if (!list_->indexAt(mouse->position().toPoint()).isValid()) list_->clearSelection();
  if (type == QEvent::MouseButtonDblClick) {
    PostControlEvent(ResultList, ListClickType(button, true));
    listPressed_ = Qt::NoButton;
  } else {
    listPressed_ = button;
  }
  return false;
}

// Enter opens the selected row as a double click does, Ctrl+C copies the whole row (its cells
// joined by tabs, the line numbers unshortened), and with no row selected Down selects the first.
bool MainWindowWidget::ListKey(const QKeyEvent* key) {
  const QModelIndexList selected = list_->selectionModel()->selectedRows();
  if (key->matches(QKeySequence::Copy)) {
    if (selected.isEmpty()) return true;
    const int32_t row = selected.first().row();
    std::string text = GetRowText(ResultList, row, 0);
    for (int32_t column = 1; column < list_->columnCount(); ++column) {
      text += '\t' + GetRowText(ResultList, row, column);
    }
    QGuiApplication::clipboard()->setText(
        QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
    return true;
  }
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    if (!selected.isEmpty()) PostControlEvent(ResultList, DoubleClick);
    return true;
  }
  if (key->key() == Qt::Key_Down && selected.isEmpty() && list_->rowCount() > 0) {
    list_->setCurrentIndex(list_->model()->index(0, 0));
    return true;
  }
  return false;
}

}  // namespace sucholin::qt
