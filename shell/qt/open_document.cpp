// Opening documents on the Linux desktop: start the target when it is a program, otherwise
// hand it to the desktop's opener, which opens documents, folders and web addresses.
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "shell/shell.h"

namespace sucholin {
namespace {

// Only native executables are started. A script or text file that merely carries the execute
// bit is opened like any other document: the rows are files the user wants to read, and
// running one on a double click would be a nasty surprise.
bool IsProgram(const QFileInfo& file) {
  if (!file.isFile() || !file.isExecutable()) return false;
  QFile binary(file.absoluteFilePath());
  return binary.open(QIODevice::ReadOnly) && binary.read(4) == QByteArrayLiteral("\x7F" "ELF");
}

// A web address has a scheme of at least two letters ("c:" stays a name) and names no file.
bool IsWebAddress(const QUrl& url, const QFileInfo& file) {
  return url.isValid() && url.scheme().size() > 1 && !file.exists();
}

}  // namespace

int32_t OpenDocument(const std::string& target) {
  const QString text = QString::fromLocal8Bit(target.data(), static_cast<qsizetype>(target.size()));
  if (text.isEmpty()) return 0;
  // A relative name is taken from the current folder, never looked up on the PATH.
  const QFileInfo file(text);
  if (IsProgram(file) && QProcess::startDetached(file.absoluteFilePath(), {})) return 1;
  const QUrl url(text, QUrl::StrictMode);
  if (IsWebAddress(url, file)) return QDesktopServices::openUrl(url) ? 1 : 0;
  if (!file.exists()) return 0;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath())) ? 1 : 0;
}

}  // namespace sucholin
