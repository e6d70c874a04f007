// What only the Qt shell backend does: Qt's own file dialog with its start folder, and the
// desktop's opener stood in for on the PATH.
#include <gtest/gtest.h>

#include <tuple>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "shell/shell.h"
#include "tests/contract/dialog_driver.h"
#include "tests/contract/window_driver.h"
#include "ui/texts.h"

namespace sucholin::testing {
namespace {

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

template <typename Dialog = QFileDialog>
Dialog* Shown() {
  return qobject_cast<Dialog*>(QApplication::activeModalWidget());
}

// A scratch folder, and an opener on the PATH that reads its input to the end, records what it is
// given in the file "given", waits while the file "halt" exists, and fails for names with "kaputt".
class QtShell : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }

  void SetUp() override {
    root = QDir(folder.path()).canonicalPath();
    QDir(root).mkpath("bin");
    Make("bin/xdg-open",
         "#!/bin/sh\n"
         "cat >/dev/null\n"
         "while [ -e \"$(dirname \"$0\")/halt\" ]; do sleep 0.05; done\n"
         "printf '%s\\n' \"$1\" >>\"$(dirname \"$0\")/given\"\n"
         "case \"$1\" in *kaputt*) exit 4;; esac\n",
         true);
    qputenv("PATH", (root + "/bin:").toLocal8Bit() + path);
  }
  void TearDown() override { qputenv("PATH", path); }

  QString Make(const QString& name, const QByteArray& bytes = {}, bool executable = false) {
    QFile file(root + "/" + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
    return file.fileName();
  }

  // Whether every opener has ended and been reaped, within 3 s.
  static bool OpenersReaped() {
    for (int i = 0; i < 300 && !qApp->findChildren<QTimer*>("opener").isEmpty(); ++i)
      QTest::qWait(10);
    return qApp->findChildren<QTimer*>("opener").isEmpty();
  }

  QTemporaryDir folder;
  QString root;
  const QByteArray path = qgetenv("PATH");
};

// The file dialog starts in the default file's folder with its name, every filter pair read and
// an unpaired last part dropped, in German; a name in a missing folder keeps it open.
TEST_F(QtShell, ChoosersStartAtTheDefaultFileOrTheLastFolderAndRefuseAMissingFolder) {
  DialogAnswer driver([&](OpenDialog& chooser) {
    QFileDialog* dialog = Shown();
    EXPECT_EQ(dialog->directory().canonicalPath(), root);
    EXPECT_EQ(chooser.NameBox(), "mein brief.txt");
    EXPECT_EQ(dialog->nameFilters() << dialog->selectedNameFilter(),
              (QStringList{"Alle (*)", "Text (*.txt)", "Text"}));
    EXPECT_EQ(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
              "Abbrechen");
    chooser.Enter(Local(root + "/fehlt/neu.txt"));
    EXPECT_TRUE(dialog->isVisible());
    chooser.Cancel();
  });
  EXPECT_EQ(ChooseFile(texts::FileChooserTitle, Local(root + "/mein brief.txt"),
                       "Alle|*|Text|*.txt|x", 1),
            "");
  // The folder chooser starts at home, later in the folder chosen last.
  for (const QString& start : {QDir::homePath(), root}) {
    DialogAnswer folderAnswer([&](OpenDialog& chooser) {
      EXPECT_EQ(Shown()->directory().canonicalPath(), QDir(start).canonicalPath());
      chooser.Enter(Local(root));
    });
    EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart),
              Local(root + "/"));
  }
}

// The opener gets every target, also an executable one, and nothing waits for it, as it may last
// as long as the program it opened.
TEST_F(QtShell, OpenDocumentHandsEveryTargetToTheOpenerAndRunsNone) {
  QStringList targets = {Make("mit leer.txt"), Make("lauf.sh", "#!/bin/sh\n", true),
                         QString::fromLatin1(texts::WebsiteAddress)};
  Make("bin/halt");
  for (const QString& target : targets) EXPECT_EQ(OpenDocument(Local(target)), 1) << Local(target);
  QTest::qWait(100);
  EXPECT_EQ(qApp->findChildren<QTimer*>("opener").size(), targets.size()) << "still running";
  QFile::remove(root + "/bin/halt");
  EXPECT_TRUE(OpenersReaped());
  QFile given(root + "/bin/given");
  EXPECT_TRUE(given.open(QIODevice::ReadOnly));
  QStringList lines = QString::fromLocal8Bit(given.readAll()).split('\n', Qt::SkipEmptyParts);
  lines.sort();
  targets.sort();
  EXPECT_EQ(lines, targets);
  EXPECT_EQ(OpenDocument(""), 0);
}

// An opener that fails later, a missing file, or no opener at all for a file or a web address, is
// told in a message owned by the main window.
TEST_F(QtShell, OpenerFailuresAreTold) {
  const std::tuple<QByteArray, QString, int32_t> cases[] = {
      {qgetenv("PATH"), Make("kaputt.txt"), 1},
      {qgetenv("PATH"), QStringLiteral("c:fehlt.txt"), 0},  // no web address: a drive letter
      {"", Make("brief.txt"), 0},
      {"", QString::fromLatin1(texts::WebsiteAddress), 0}};
  for (const auto& [paths, target, answer] : cases) {
    qputenv("PATH", paths);
    DialogAnswer driver([target = target](OpenDialog& message) {
      EXPECT_TRUE(Shown<QMessageBox>()->text().contains(target));
      EXPECT_EQ(Shown<QMessageBox>()->parentWidget()->objectName(), "MainWindow");
      message.Confirm();
    });
    EXPECT_EQ(OpenDocument(Local(target)), answer);
  }
  EXPECT_TRUE(OpenersReaped()) << "and forgotten";
}

// A notice answers the code of the classic message box for the button pressed.
TEST_F(QtShell, NoticesAnswerTheClassicButtonCodes) {
  for (const auto& [style, button, code] :
       {std::tuple{1u, QMessageBox::Cancel, 2}, {2u, QMessageBox::Ignore, 5}}) {
    DialogAnswer driver(
        [button = button](OpenDialog&) { Shown<QMessageBox>()->button(button)->click(); });
    EXPECT_EQ(ShowNotice("Sucholin", "?", style), code);
  }
}

}  // namespace
}  // namespace sucholin::testing
