// Choosers and notices on Qt: Qt's own modal dialogs rather than the desktop's native ones,
// so that they behave alike on every desktop and in the tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "shell/qt/dialog_owner.h"
#include "shell/shell.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

using qt::DialogOwner;

// Titles, notice texts and filters are the program's fixed texts, UTF-8; paths are the file
// system's bytes, turned into Qt's text and back the way Qt itself names files.
QString FromLocal(const std::string& text) {
  return QFile::decodeName(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}
std::string ToLocal(const QString& text) { return QFile::encodeName(text).toStdString(); }

// An open dialog that accepts the name of a file that does not exist yet, but only in a folder
// that does.
class OpenFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList files = selectedFiles();
    if (!files.isEmpty() && !QFileInfo(files.first()).dir().exists()) return;
    QFileDialog::accept();
  }
};

// "display|patterns|display|patterns..." with ';' between patterns, to Qt's
// "display (pattern pattern)" entries. An unpaired last part is dropped.
QStringList NameFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters;
}

// The same names are refused as by the classic open dialog, so that a pattern such as "*.*"
// leaves the name box empty.
bool IsValidFileName(const QString& name) {
  if (name.isEmpty()) return false;
  for (const QChar c : name) {
    if (c.unicode() < 32 || QStringLiteral("\"*/:<>?\\|").contains(c)) return false;
  }
  return true;
}

void PrepareModal(QDialog& dialog) { dialog.setWindowModality(Qt::ApplicationModal); }

// Where the folder chooser starts next: choosing the same folder again is how new files are seen.
QString LastFolder;

}  // namespace

std::string ChooseFolder(const std::string& title, const std::string& initialFolder) {
  QFileDialog dialog(DialogOwner(), QString::fromStdString(title));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::ShowDirsOnly);
  dialog.setFileMode(QFileDialog::Directory);
  const QString start = FromLocal(initialFolder);
  dialog.setDirectory(QFileInfo(LastFolder).isDir()                  ? LastFolder
                      : !start.isEmpty() && QFileInfo(start).isDir() ? start
                                                                     : QDir::homePath());
  PrepareModal(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  LastFolder = dialog.selectedFiles().first();
  QString folder = dialog.selectedFiles().first();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return ToLocal(folder);
}

std::string ChooseFile(const std::string& title, const std::string& defaultFile,
                       const std::string& filter, int32_t filterIndex) {
  OpenFileDialog dialog(DialogOwner(), QString::fromStdString(title));
  dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QStringList filters = NameFilters(QString::fromStdString(filter));
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(filterIndex, filters.first()));
  }
  // The default file's folder part starts the dialog there; without one, where the dialog
  // starts is Qt's choice (the last folder used, else the current one).
  const QString start = FromLocal(defaultFile);
  const qsizetype slash = start.lastIndexOf(QLatin1Char('/'));
  const QString folder = slash > 0 ? start.left(slash) : QString();
  const QString name = slash > 0 ? start.mid(slash + 1) : start;
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  if (IsValidFileName(name)) dialog.selectFile(name);
  PrepareModal(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return ToLocal(dialog.selectedFiles().first());
}

int32_t ShowNotice(const std::string& caption, const std::string& text, uint32_t style) {
  // The style bits of the classic message box: the icon in bits 4 to 7, the buttons in 0 to 3.
  static constexpr QMessageBox::Icon Icons[] = {
      QMessageBox::NoIcon,  QMessageBox::Critical,    QMessageBox::Question,
      QMessageBox::Warning, QMessageBox::Information,
  };
  using B = QMessageBox::StandardButton;
  static const QMessageBox::StandardButtons ButtonSets[] = {
      B::Ok,
      B::Ok | B::Cancel,
      B::Abort | B::Retry | B::Ignore,
      B::Yes | B::No | B::Cancel,
      B::Yes | B::No,
      B::Retry | B::Cancel,
  };
  // The button codes the classic message box answers.
  static constexpr struct {
    B button;
    int32_t code;
  } Codes[] = {{B::Ok, 1},     {B::Cancel, 2}, {B::Abort, 3}, {B::Retry, 4},
               {B::Ignore, 5}, {B::Yes, 6},    {B::No, 7}};

  const uint32_t icon = (style >> 4) & 0xF;
  const uint32_t buttons = style & 0xF;
  QMessageBox box(icon < std::size(Icons) ? Icons[icon] : QMessageBox::NoIcon,
                  QString::fromStdString(caption), QString::fromStdString(text),
                  buttons < std::size(ButtonSets) ? ButtonSets[buttons] : B::Ok, DialogOwner());
  box.setTextFormat(Qt::PlainText);
  PrepareModal(box);
  box.exec();
  const B answer = box.standardButton(box.clickedButton());
  for (const auto& entry : Codes) {
    if (entry.button == answer) return entry.code;
  }
  return 0;
}

}  // namespace sucholin
