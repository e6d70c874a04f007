// What only the Qt window backend does: fitting the font to the fixed layout, and the list still
// painting and scrolling under its event filter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QWheelEvent>

#include "tests/contract/window_driver.h"
#include "tests/qt/widgets.h"
#include "ui/ui.h"

namespace sucholin::testing {
namespace {

// Columns holding a dark pixel between rows top and bottom.
std::vector<int> DarkColumns(const QImage& image, int top, int bottom) {
  std::vector<int> columns;
  for (int x = 0; x < image.width(); ++x) {
    for (int y = top; y < bottom; ++y) {
      if (qGray(image.pixel(x, y)) < 80) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

class QtBackend : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }
};

// Rendered, no label runs into its control's edge: a text that did not fit would be cut there.
TEST_F(QtBackend, EveryTextFitsItsControl) {
  for (const int32_t id :
       {FolderOption, FileOption, SelectButton, SearchButton, WebsiteButton, ResultFrame}) {
    SCOPED_TRACE(id);
    QWidget* widget = Widget(id);
    const QImage image = widget->grab().toImage();
    const bool frame = qobject_cast<QGroupBox*>(widget) != nullptr;
    const std::vector<int> columns =
        DarkColumns(image, 0, frame ? widget->fontMetrics().height() : image.height());
    ASSERT_FALSE(columns.empty()) << "the text is drawn";
    EXPECT_LT(columns.back(), image.width() - 3);
    EXPECT_GE(widget->height(), widget->fontMetrics().height());
    EXPECT_GT(widget->font().pixelSize(), 8) << "a smaller font than the texts need";
    if (qobject_cast<QPushButton*>(widget)) {
      EXPECT_GT(columns.front(), 2);
    }
  }
}

TEST_F(QtBackend, ListPaintsAndScrollsItsRows) {
  auto* list = static_cast<QTableWidget*>(Widget(ResultList));
  ClearRows(ResultList);
  for (int i = 0; i < 40; ++i) AddRow(ResultList, -1, "datei-" + std::to_string(i) + ".txt\n1");
  const QRect first = list->visualRect(list->model()->index(0, 0));
  EXPECT_FALSE(
      DarkColumns(list->viewport()->grab().toImage(), first.top(), first.bottom()).empty());
  const QPointF at(20, 20);
  QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(list->viewport(), &wheel);
  EXPECT_GT(list->verticalScrollBar()->value(), 0);
  TakeEvents();
}

}  // namespace
}  // namespace sucholin::testing
