// Opening documents on the Linux desktop: every target goes to the desktop's opener, xdg-open,
// which opens documents, folders and web addresses with the program set up for them.
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

#include "shell/qt/dialog_owner.h"
#include "shell/shell.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

// A web address has a scheme of at least two letters ("c:" stays a name) and names no file.
bool IsWebAddress(const QUrl& url, const QFileInfo& file) {
  return url.isValid() && url.scheme().size() > 1 && !file.exists();
}

// What the Windows shell shows by itself when it cannot open a file: a message box owned by
// the program's window. It does not block, since it may come long after the double click.
void ReportOpenFailure(const QString& target) {
  auto* box = new QMessageBox(
      QMessageBox::Warning, qt::FromFixed(texts::OpenFailedCaption),
      qt::FromFixed(texts::OpenFailedBefore) + target + qt::FromFixed(texts::OpenFailedAfter),
      QMessageBox::Ok, qt::DialogOwner());
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::ApplicationModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

// Starts the opener without waiting for it: with some desktops it lasts as long as the
// program it opened. Its failure, when it comes, is told then.
bool StartOpener(const QString& argument, const QString& shown) {
  auto* opener = new QProcess(QCoreApplication::instance());
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments({argument});
  // No pipes to Sucholin, so the opened program never writes into one nobody reads.
  opener->setStandardInputFile(QProcess::nullDevice());
  opener->setStandardOutputFile(QProcess::nullDevice());
  opener->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(opener, &QProcess::finished,
                   [opener, shown](int code, QProcess::ExitStatus how) {
                     if (how != QProcess::NormalExit || code != 0) ReportOpenFailure(shown);
                     opener->deleteLater();
                   });
  opener->start();
  // Only until the opener runs (or could not be run), never until it ends.
  if (opener->waitForStarted()) return true;
  delete opener;
  ReportOpenFailure(shown);
  return false;
}

}  // namespace

int32_t OpenDocument(const std::string& target) {
  const QString text = QString::fromLocal8Bit(target.data(), static_cast<qsizetype>(target.size()));
  if (text.isEmpty()) return 0;
  // A relative name is taken from the current folder. A file is never started, whatever its
  // execute bit or its content: the rows are files the user wants to read.
  const QFileInfo file(text);
  const QUrl url(text, QUrl::StrictMode);
  if (IsWebAddress(url, file)) return StartOpener(url.toString(), text) ? 1 : 0;
  if (!file.exists()) {
    ReportOpenFailure(text);
    return 0;
  }
  return StartOpener(file.absoluteFilePath(), file.absoluteFilePath()) ? 1 : 0;
}

}  // namespace sucholin
