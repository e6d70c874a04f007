// The main window's controls on Qt 6 Widgets: creation, texts, states and the result rows.
#include <QApplication>
#include <QCommonStyle>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTableWidget>
#include <algorithm>
#include <string_view>

#include "ui/qt/window.h"
#include "ui/texts.h"
#include "ui/window_layout.h"

namespace sucholin {
namespace {

struct Control {
  int32_t id;
  QWidget* widget;
  // The text last set from code. Qt holds text as Unicode, so bytes that are not valid in the
  // locale's encoding (a file name from another system) are kept here to come back unchanged.
  std::string bytes;
};

qt::MainWindowWidget* Window = nullptr;
std::vector<Control> Controls;  // creation order

// Longer cell texts are shown shortened: laying out megabytes of line numbers on every repaint
// would stall the window. The item keeps the whole text for GetRowText, copying and the screen
// reader.
constexpr qsizetype MaxShownCell = 4096;

Control* Find(int32_t id) {
  for (Control& control : Controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

QString FromLocal(std::string_view text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

QString FromFixed(const char* text) { return QString::fromUtf8(text); }

// Cut after the last whole line number that fits, and marked, so that no number shows cut.
QString Shortened(const QString& whole) {
  const qsizetype comma = whole.lastIndexOf(QLatin1Char(','), MaxShownCell - 1);
  return whole.left(comma >= 0 ? comma + 1 : MaxShownCell) + FromFixed(texts::ShortenedMark);
}

// How many lines hold the word, told for the row of a hit list.
QString HitLinesTip(std::string_view lines, bool shortened) {
  const auto count = std::count(lines.begin(), lines.end(), ',') + 1;
  QString tip = count == 1 ? FromFixed(texts::HitLinesOne)
                           : FromFixed(texts::HitLinesBefore) +
                                 QLocale(QLocale::German).toString(qlonglong{count}) +
                                 FromFixed(texts::HitLinesAfter);
  return shortened ? tip + FromFixed(texts::HitLinesShortened) : tip;
}

QString ShownText(QWidget* widget) {
  if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* frame = qobject_cast<QGroupBox*>(widget)) return frame->title();
  return {};
}

// Unchecks an option even when it is the checked one of its group, which Qt's automatic
// exclusivity would refuse.
void SetChecked(QRadioButton* option, bool checked) {
  option->setAutoExclusive(false);
  option->setChecked(checked);
  option->setAutoExclusive(true);
}

// A read-only field in the desktop's face colour, also once the desktop's palette has changed: a
// colour taken once would show a dark desktop's light text on a light face.
class FaceField : public QLineEdit {
 public:
  FaceField() {
    setReadOnly(true);
    FollowFace();
  }

 protected:
  void changeEvent(QEvent* event) override {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) FollowFace();
  }

 private:
  void FollowFace() {
    const QColor face = palette().color(QPalette::Button);
    if (palette().color(QPalette::Base) == face) return;
    QPalette own;  // sets the field colour alone; the rest follows the window
    own.setColor(QPalette::Base, face);
    setPalette(own);
  }
};

QTableWidget* NewResultList() {
  auto* list = new QTableWidget(0, static_cast<int>(std::size(layout::ResultColumns)));
  for (int column = 0; const layout::Column& described : layout::ResultColumns) {
    list->setHorizontalHeaderItem(column, new QTableWidgetItem(FromFixed(described.title)));
    list->setColumnWidth(column++, described.width);
  }
  QHeaderView* header = list->horizontalHeader();
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  header->setSectionsClickable(false);  // no sorting; dragging a border still sizes the column
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  list->verticalHeader()->hide();
  list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  list->setShowGrid(true);
  list->setWordWrap(false);
  list->setCornerButtonEnabled(false);
  list->setSortingEnabled(false);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setTabKeyNavigation(false);
  list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged,
                   [](const QItemSelection& selected) {
                     if (!selected.isEmpty()) qt::PostControlEvent(ResultList, SelectionChange);
                   });
  Window->WatchList(list);
  return list;
}

// A new control of a kind, not yet placed.
QWidget* NewWidget(layout::Kind kind, const QString& text) {
  using enum layout::Kind;
  switch (kind) {
    case Option: return new QRadioButton(text);
    case Frame: {
      auto* frame = new QFrame;
      frame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
      return frame;
    }
    case Field: return new QLineEdit;
    case ReadOnlyField: return new FaceField;
    case Button: return new QPushButton(text);  // outside a dialog, Enter presses no button
    case List: return NewResultList();
    case GroupBox: {
      auto* frame = new QGroupBox(text);
      // Fusion sets the caption above the frame line; the common style sets it into the top edge
      // of an etched frame, the line broken behind it. The frame has no children to restyle. The
      // window owns the style: a widget does not own its style, and the window outlives the frame.
      auto* insetCaption = new QCommonStyle;
      insetCaption->setParent(Window);
      frame->setStyle(insetCaption);
      return frame;
    }
  }
  return nullptr;
}

// Clicks on buttons and options; a field's edits by the user, as setText from code raises none.
void Report(QWidget* widget, int32_t id) {
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    QObject::connect(button, &QAbstractButton::clicked, [id] { qt::PostControlEvent(id, Click); });
  } else if (auto* field = qobject_cast<QLineEdit*>(widget)) {
    QObject::connect(field, &QLineEdit::textEdited, [id] { qt::PostControlEvent(id, TextChange); });
  }
}

// Room for the label of an option or push button, as the style lays it out.
int LabelRoom(QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const auto element = qobject_cast<QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                                           : QStyle::SE_PushButtonContents;
  return button->style()->subElementRect(element, &option, button).width();
}

int CaptionIndent(QGroupBox* frame) {
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.textAlignment = frame->alignment();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  return frame->style()
      ->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame)
      .x();
}

bool TextsFit() {
  for (const Control& control : Controls) {
    const QFontMetrics metrics = control.widget->fontMetrics();
    const int needed = metrics.horizontalAdvance(ShownText(control.widget));
    if (auto* button = qobject_cast<QAbstractButton*>(control.widget)) {
      if (needed > LabelRoom(button) || metrics.height() > button->height()) return false;
    } else if (auto* frame = qobject_cast<QGroupBox*>(control.widget)) {
      // The caption sits in the top edge, indented alike at both ends.
      if (needed > frame->width() - 2 * CaptionIndent(frame)) return false;
    }
  }
  return true;
}

// Desktop fonts differ in width while the layout's pixel sizes are fixed: take the largest
// size up to the classic 8-point GUI font (11 pixels) in which every text fits its control.
void SetControlFont() {
  QFont font = QApplication::font();
  for (int pixels = 11;; --pixels) {
    font.setPixelSize(pixels);
    for (const Control& control : Controls) control.widget->setFont(font);
    if (pixels == 8 || TextsFit()) break;
  }
  auto* list = static_cast<QTableWidget*>(Find(ResultList)->widget);
  list->verticalHeader()->setDefaultSectionSize(list->fontMetrics().height() + 4);
}

void CreateControls() {
  for (const layout::Control& described : layout::Controls) {
    QWidget* widget = NewWidget(described.kind, FromFixed(described.text));
    Report(widget, described.id);
    if (described.kind == layout::Kind::Option) Window->WatchOption(widget);
    widget->setParent(Window);
    widget->setObjectName(QString::fromLatin1(described.name));
    widget->setGeometry(described.place.x, described.place.y, described.place.width,
                        described.place.height);
    if (layout::IsTabStop(described.kind)) widget->setFocusPolicy(Qt::StrongFocus);
    if (*described.spokenName) widget->setAccessibleName(FromFixed(described.spokenName));
    // A frame lies below what it encloses, which was created before it. Qt stacks in the order
    // of the children, which is also the order a screen reader reads them in: the Tab order.
    const auto enclosed = std::ranges::find_if(Controls, [&](const Control& earlier) {
      return layout::IsFrame(described.kind) &&
             widget->geometry().contains(earlier.widget->geometry());
    });
    if (enclosed != Controls.end()) widget->stackUnder(enclosed->widget);
    Controls.push_back({described.id, widget, {}});
    if (described.ownColors) SetControlColors(described.id, Rgb(0, 0, 0), PanelBlue);
    if (described.checked) SetControlState(described.id, 1);
  }
  SetControlFont();
}

void PlaceCentred(QWidget* window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QSize outer = window->frameGeometry().size().boundedTo(screen.size());
  window->move(screen.x() + (screen.width() - outer.width()) / 2,
               screen.y() + (screen.height() - outer.height()) / 2);
}

}  // namespace

QWidget* qt::ControlWidget(int32_t id) {
  const Control* control = Find(id);
  return control ? control->widget : nullptr;
}

bool CreateMainWindow() {
  if (Window) return true;
  qt::EnsureApplication();
  // One style everywhere: the layout's fixed pixel sizes are measured against it.
  QApplication::setStyle(QStringLiteral("Fusion"));
  QGuiApplication::setDesktopFileName(QStringLiteral("sucholin"));
  // Lives until the process ends, like the application it belongs to.
  Window = new qt::MainWindowWidget;
  Window->setObjectName(QStringLiteral("MainWindow"));
  Window->setWindowTitle(FromFixed(texts::WindowTitle));
  Window->setWindowIcon(QIcon(QStringLiteral(":/sucholin/sucholin.png")));
  Window->setFixedSize(layout::ClientWidth, layout::ClientHeight);
  CreateControls();
  Window->winId();  // the platform window, so that its frame is known where the platform tells it
  PlaceCentred(Window);
  // The focus rests on the window itself, so that no control has it at the start and the
  // first Tab goes to FolderOption.
  Window->setFocus();
  Window->show();
  Window->activateWindow();
  return true;
}

void SetControlText(int32_t id, const std::string& text) {
  Control* control = Find(id);
  if (!control) return;
  const QString shown = FromLocal(text);
  if (auto* field = qobject_cast<QLineEdit*>(control->widget)) {
    field->setText(shown);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control->widget)) {
    button->setText(shown);
  } else if (auto* frame = qobject_cast<QGroupBox*>(control->widget)) {
    frame->setTitle(shown);
  } else {
    return;
  }
  control->bytes = text;
}

std::string GetControlText(int32_t id) {
  const Control* control = Find(id);
  if (!control) return {};
  const QString shown = ShownText(control->widget);
  if (shown == FromLocal(control->bytes)) return control->bytes;
  return shown.toLocal8Bit().toStdString();
}

void SetControlState(int32_t id, int32_t state) {
  Control* control = Find(id);
  auto* option = control ? qobject_cast<QRadioButton*>(control->widget) : nullptr;
  if (!option) return;
  if (state != 0) {
    for (const layout::Control& member : layout::GroupOf(id)) {
      if (Control* other = Find(member.id))
        SetChecked(static_cast<QRadioButton*>(other->widget), false);
    }
  }
  SetChecked(option, state != 0);
}

int32_t GetControlState(int32_t id) {
  const Control* control = Find(id);
  if (!control) return 0;
  if (auto* option = qobject_cast<QRadioButton*>(control->widget)) return option->isChecked();
  if (auto* list = qobject_cast<QTableWidget*>(control->widget)) {
    const QModelIndexList rows = list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
  }
  return 0;
}

void ClearRows(int32_t id) {
  const Control* control = Find(id);
  if (auto* list = control ? qobject_cast<QTableWidget*>(control->widget) : nullptr) {
    list->setRowCount(0);
    // New rows start at the left and top: the last rows' scroll would hide names and rows.
    list->horizontalScrollBar()->setValue(0);
    list->verticalScrollBar()->setValue(0);
  }
}

void AddRow(int32_t id, int32_t position, const std::string& text) {
  const Control* control = Find(id);
  auto* list = control ? qobject_cast<QTableWidget*>(control->widget) : nullptr;
  if (!list) return;
  const int row = position >= 0 && position <= list->rowCount() ? position : list->rowCount();
  list->insertRow(row);
  const std::vector<std::string_view> parts = layout::RowCells(text);
  for (int column = 0; column < static_cast<int>(parts.size()); ++column) {
    const std::string_view part = parts[static_cast<size_t>(column)];
    const QString whole = FromLocal(part);
    const bool shortened = whole.size() > MaxShownCell;
    auto* item = new QTableWidgetItem(shortened ? Shortened(whole) : whole);
    item->setData(Qt::UserRole, QByteArray(part.data(), static_cast<qsizetype>(part.size())));
    if (shortened) item->setData(Qt::AccessibleTextRole, whole);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    list->setItem(row, column, item);
  }
  // The second column holds the hit lines, digits and commas; the row's tooltip counts them.
  const QTableWidgetItem* lines = list->item(row, 1);
  const QByteArray hits = lines ? lines->data(Qt::UserRole).toByteArray() : QByteArray();
  if (hits.isEmpty()) return;
  const QString tip = HitLinesTip(std::string_view(hits.data(), static_cast<size_t>(hits.size())),
                                  hits.size() > MaxShownCell);
  for (int column = 0; column < list->columnCount(); ++column) {
    if (QTableWidgetItem* item = list->item(row, column)) {
      item->setToolTip(tip);
      item->setData(Qt::AccessibleDescriptionRole, tip);
    }
  }
}

std::string GetRowText(int32_t id, int32_t row, int32_t column) {
  const Control* control = Find(id);
  auto* list = control ? qobject_cast<QTableWidget*>(control->widget) : nullptr;
  const QTableWidgetItem* item = list ? list->item(row, column) : nullptr;
  return item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
}

void SetControlColors(int32_t id, Color text, Color background) {
  const Control* control = Find(id);
  if (!control) return;
  QWidget* widget = control->widget;
  // A whole palette shaded from the background rather than the desktop's: on a dark desktop
  // too, an option's mark and the frame's edges keep their contrast on PanelBlue.
  QPalette palette(qt::ToQColor(background));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, qt::ToQColor(text));
  }
  widget->setPalette(palette);
  // Buttons fill with the button face by default; these fill with their own background.
  widget->setBackgroundRole(QPalette::Window);
  widget->setAutoFillBackground(true);
}

}  // namespace sucholin
