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

template <typename Widget>
Widget* Add(int32_t id, const char* name, QRect place, Widget* widget) {
  widget->setParent(Window);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(place);
  Controls.push_back({id, widget, {}});
  return widget;
}

QRadioButton* AddOption(int32_t id, const char* name, QRect place, const char* text) {
  auto* option = Add(id, name, place, new QRadioButton(FromFixed(text)));
  option->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(option, &QRadioButton::clicked, [id] { qt::PostControlEvent(id, Click); });
  Window->WatchOption(option);
  return option;
}

// A read-only field in the desktop's face colour, also once the desktop's palette has changed: a
// colour taken once would show a dark desktop's light text on a light face.
class ReadOnlyField : public QLineEdit {
 public:
  ReadOnlyField() {
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

QLineEdit* AddField(int32_t id, const char* name, QRect place, QLineEdit* field) {
  Add(id, name, place, field);
  // Only the user's edits raise events; setText from code raises none.
  QObject::connect(field, &QLineEdit::textEdited, [id] { qt::PostControlEvent(id, TextChange); });
  return field;
}

void AddButton(int32_t id, const char* name, QRect place, const char* text) {
  auto* button = Add(id, name, place, new QPushButton(FromFixed(text)));
  button->setAutoDefault(false);  // Enter presses nothing
  button->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(button, &QPushButton::clicked, [id] { qt::PostControlEvent(id, Click); });
}

void AddResultList() {
  auto* list = Add(ResultList, "ResultList", {10, 120, 429, 150}, new QTableWidget(0, 2));
  list->setAccessibleName(FromFixed(texts::ResultListName));
  list->setHorizontalHeaderLabels({FromFixed(texts::FileColumn), FromFixed(texts::LinesColumn)});
  list->setColumnWidth(0, 140);
  list->setColumnWidth(1, 500);
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
  list->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged,
                   [](const QItemSelection& selected) {
                     if (!selected.isEmpty()) qt::PostControlEvent(ResultList, SelectionChange);
                   });
  Window->WatchList(list);
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
  AddOption(FolderOption, "FolderOption", {15, 25, 80, 17}, texts::FolderOptionText);
  SetControlColors(FolderOption, Rgb(0, 0, 0), PanelBlue);
  AddOption(FileOption, "FileOption", {15, 42, 95, 23}, texts::FileOptionText);
  SetControlColors(FileOption, Rgb(0, 0, 0), PanelBlue);
  SetControlState(FolderOption, 1);

  auto* selectionFrame = Add(SelectionFrame, "SelectionFrame", {10, 10, 105, 70}, new QFrame);
  selectionFrame->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);

  AddField(PathField, "PathField", {120, 10, 260, 25}, new ReadOnlyField)
      ->setAccessibleName(FromFixed(texts::PathFieldName));
  AddField(WordField, "WordField", {120, 35, 260, 25}, new QLineEdit)
      ->setAccessibleName(FromFixed(texts::WordFieldName));

  AddButton(SelectButton, "SelectButton", {385, 10, 65, 25}, texts::SelectButtonText);
  AddButton(SearchButton, "SearchButton", {385, 37, 65, 25}, texts::SearchButtonText);
  AddButton(WebsiteButton, "WebsiteButton", {75, 290, 300, 25}, texts::WebsiteButtonText);
  AddResultList();
  auto* resultFrame = Add(ResultFrame, "ResultFrame", {5, 105, 442, 175},
                          new QGroupBox(FromFixed(texts::ResultFrameText)));
  // Fusion sets the caption above the frame line; the common style sets it into the top edge
  // of an etched frame, the line broken behind it. The frame has no children to restyle. The
  // window owns the style: a widget does not own its style, and the window outlives the frame.
  auto* insetCaption = new QCommonStyle;
  insetCaption->setParent(Window);
  resultFrame->setStyle(insetCaption);
  SetControlColors(ResultFrame, Rgb(0, 0, 0), PanelBlue);

  // Each frame lies below what it encloses, as it was created after it. Qt stacks in the order
  // of the children, which is also the order a screen reader reads them in: the Tab order.
  selectionFrame->stackUnder(Find(FolderOption)->widget);
  resultFrame->stackUnder(Find(ResultList)->widget);
  std::vector<QWidget*> tabStops;
  for (const Control& control : Controls) {
    if (control.widget->focusPolicy() & Qt::TabFocus) tabStops.push_back(control.widget);
  }
  Window->SetTabStops(std::move(tabStops));
  SetControlFont();
}

void PlaceCentred(QWidget* window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QSize outer = window->frameGeometry().size().boundedTo(screen.size());
  window->move(screen.x() + (screen.width() - outer.width()) / 2,
               screen.y() + (screen.height() - outer.height()) / 2);
}

}  // namespace

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
  Window->setFixedSize(451, 320);
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
    // The group is the run of option buttons created one after the other around this one.
    auto first = Controls.begin() + (control - Controls.data());
    while (first != Controls.begin() && qobject_cast<QRadioButton*>((first - 1)->widget)) --first;
    for (auto it = first; it != Controls.end(); ++it) {
      auto* member = qobject_cast<QRadioButton*>(it->widget);
      if (!member) break;
      SetChecked(member, false);
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
  // Cells are the parts between line feeds; parts beyond the last column are not shown.
  const std::string_view all = text;
  size_t start = 0;
  for (int column = 0; column < list->columnCount() && start <= all.size(); ++column) {
    const size_t end = std::min(all.find('\n', start), all.size());
    const std::string_view part = all.substr(start, end - start);
    const QString whole = FromLocal(part);
    const bool shortened = whole.size() > MaxShownCell;
    auto* item = new QTableWidgetItem(shortened ? Shortened(whole) : whole);
    item->setData(Qt::UserRole, QByteArray(part.data(), static_cast<qsizetype>(part.size())));
    if (shortened) item->setData(Qt::AccessibleTextRole, whole);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    list->setItem(row, column, item);
    start = end + 1;
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
