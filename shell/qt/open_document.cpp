// Opening documents on the Linux desktop: every target goes to the desktop's opener, xdg-open,
// which opens documents, folders and web addresses with the program set up for them.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <string>

#include "shell/qt/dialog_owner.h"
#include "shell/shell.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

// A web address has a scheme of at least two letters ("c:" stays a name) and names no file.
bool IsWebAddress(const QUrl& url, bool isFile) {
  return url.isValid() && url.scheme().size() > 1 && !isFile;
}

// What the Windows shell shows by itself when it cannot open a file: a message box owned by
// the program's window. It does not block, since it may come long after the double click.
void ReportOpenFailure(const QString& target) {
  auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(texts::OpenFailedCaption),
                              QString::fromUtf8(texts::OpenFailedBefore) + target +
                                  QString::fromUtf8(texts::OpenFailedAfter),
                              QMessageBox::Ok, qt::DialogOwner());
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

// Starts the opener with argument, exact bytes, without waiting for it: with some desktops it
// lasts as long as the program it opened. Qt's processes take their arguments as text, which
// cannot hold a name that is not UTF-8, so the opener is started here. Its failure, when it
// comes, is told then.
bool StartOpener(const std::string& argument) {
  const QString shown = QFile::decodeName(QByteArray::fromStdString(argument));
  // No pipes to Sucholin, so the opened program never writes into one nobody reads.
  posix_spawn_file_actions_t streams;
  posix_spawn_file_actions_init(&streams);
  posix_spawn_file_actions_addopen(&streams, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&streams, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&streams, 2, "/dev/null", O_WRONLY, 0);
  std::string program = "xdg-open";
  std::string target = argument;
  char* const arguments[] = {program.data(), target.data(), nullptr};
  pid_t opener = 0;
  const int failed = posix_spawnp(&opener, program.c_str(), &streams, nullptr, arguments, environ);
  posix_spawn_file_actions_destroy(&streams);
  if (failed != 0) {
    ReportOpenFailure(shown);
    return false;
  }
  // Looked after until it ends, then reaped, and told if it failed.
  auto* watch = new QTimer(QCoreApplication::instance());
  watch->setObjectName(QStringLiteral("opener"));
  QObject::connect(watch, &QTimer::timeout, [watch, opener, shown] {
    int status = 0;
    if (waitpid(opener, &status, WNOHANG) == 0) return;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ReportOpenFailure(shown);
    watch->deleteLater();
  });
  watch->start(50);
  return true;
}

// The target's own bytes made absolute: a relative name is taken from the current folder.
std::string AbsolutePath(const std::string& target) {
  if (target.front() == '/') return target;
  return QFile::encodeName(QDir::currentPath()).toStdString() + '/' + target;
}

}  // namespace

// A name is bytes from the listing to the opener: it never goes through Qt's text on the way.
int32_t OpenDocument(const std::string& target) {
  if (target.empty() || target.find('\0') != std::string::npos) return 0;
  struct stat info;
  const bool exists = stat(target.c_str(), &info) == 0;
  const QString text = QFile::decodeName(QByteArray::fromStdString(target));
  const QUrl url(text, QUrl::StrictMode);
  if (IsWebAddress(url, exists)) return StartOpener(url.toString().toStdString()) ? 1 : 0;
  if (!exists) {
    ReportOpenFailure(text);
    return 0;
  }
  // A file is never started, whatever its execute bit or its content: the rows are files the
  // user wants to read.
  return StartOpener(AbsolutePath(target)) ? 1 : 0;
}

}  // namespace sucholin
