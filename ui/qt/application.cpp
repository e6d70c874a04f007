// The Qt application of the desktop program: German throughout, and one German line instead of
// Qt's abort when no display can be reached.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/window.h"
#include "ui/texts.h"

namespace sucholin::qt {
namespace {

// What Qt says while it connects to the display, held back: without a display it ends in a
// fatal message, which Qt would follow with an abort.
QStringList HeldBack;

void HoldBackOrQuit(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    HeldBack << qFormatLogMessage(type, context, message);
    return;
  }
  std::fprintf(stderr, "%s\n", texts::NoDisplayMessage);
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
