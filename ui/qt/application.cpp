// The Qt application of the desktop program: German throughout, and a German line with Qt's
// reason instead of Qt's abort when it cannot start.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/window.h"
#include "ui/texts.h"

namespace sucholin::qt {
namespace {

// What Qt says while it connects to the display, held back: when it cannot start it ends in a
// fatal message, which Qt would follow with an abort.
QStringList HeldBack;

void HoldBackOrQuit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    HeldBack << qFormatLogMessage(type, context, message);
    return;
  }
  // Why in German, then Qt's reason in one line: what it said before giving up (such as the
  // display it could not reach), and its verdict.
  const bool noDisplay =
      qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  const QString reason =
      (HeldBack << message.section(QLatin1Char('\n'), 0, 0)).join(QStringLiteral(" - "));
  std::fprintf(stderr, "%s\n%s\n", noDisplay ? texts::NoDisplayMessage : texts::CannotStartMessage,
               qPrintable(reason.simplified()));
  std::_Exit(1);
}

// Qt's own texts (the file dialog, the fields' context menus) in German, whatever the user's
// locale.
void SpeakGerman() {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  } else {
    delete translator;
  }
}

}  // namespace

void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "sucholin";
  static char* argv[] = {name, nullptr};
  const QtMessageHandler previous = qInstallMessageHandler(HoldBackOrQuit);
  // Lives until the process ends: deleting it from a static destructor would run after Qt's
  // own statics are gone.
  new QApplication(argc, argv);
  qInstallMessageHandler(previous);
  for (const QString& line : HeldBack) std::fprintf(stderr, "%s\n", qPrintable(line));
  HeldBack.clear();
  SpeakGerman();
}

}  // namespace sucholin::qt
