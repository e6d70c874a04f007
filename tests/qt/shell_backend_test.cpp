// What only the Qt shell backend does: Qt's own file dialogs with their start folders, the
// notice styles, and the desktop's opener stood in for on the PATH.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "shell/shell.h"
#include "tests/contract/dialog_driver.h"
#include "tests/contract/window_driver.h"
#include "ui/texts.h"

namespace sucholin::testing {
namespace {

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

QString ShownFolder() {
  return qobject_cast<QFileDialog*>(QApplication::activeModalWidget())->directory().canonicalPath();
}

class QtShell : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { OpenMainWindow(); }

  void SetUp() override {
    root = QDir(folder.path()).canonicalPath();
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("Texte")));
    QFile file(root + QStringLiteral("/brief.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  QTemporaryDir folder;
  QString root;
};

TEST_F(QtShell, FolderChooserStartsAtTheInitialFolderElseAtHome) {
  const struct {
    std::string initial, entered, answer;
    QString shown;
  } cases[] = {
      {Local(root), "Texte", Local(root + "/Texte/"), root},
      {"/", "/", "/", QStringLiteral("/")},
      {texts::FolderChooserStart, Local(root), Local(root + "/"), QDir::home().canonicalPath()},
  };
  for (const auto& c : cases) {
    QString shown;
    DialogAnswer driver([&](OpenDialog& chooser) {
      shown = ShownFolder();
      chooser.Enter(c.entered);
    });
    EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, c.initial), c.answer);
    EXPECT_EQ(shown, c.shown);
  }
}

TEST_F(QtShell, FileDialogStartsAtTheDefaultFileAndRefusesAMissingFolder) {
  QString shown;
  std::string name;
  QStringList filters;
  QString cancel;
  {
    DialogAnswer driver([&](OpenDialog& chooser) {
      shown = ShownFolder();
      name = chooser.NameBox();
      const auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      filters = dialog->nameFilters() << dialog->selectedNameFilter();
      cancel = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text();
      chooser.Cancel();
    });
    EXPECT_EQ(ChooseFile(texts::FileChooserTitle, Local(root + "/mein brief.txt"), "Alle|*|Text|*.txt", 1), "");
  }
  EXPECT_EQ(shown, root);
  EXPECT_EQ(name, "mein brief.txt");
  EXPECT_EQ(filters, (QStringList{"Alle (*)", "Text (*.txt)", "Text"}));
  EXPECT_EQ(cancel, QStringLiteral("Abbrechen")) << "Qt's own texts in German";
  bool stillOpen = false;
  {
    DialogAnswer driver([&](OpenDialog& chooser) {
      QWidget* dialog = QApplication::activeModalWidget();
      chooser.Enter(Local(root + "/fehlt/neu.txt"));
      stillOpen = dialog->isVisible();
      chooser.Cancel();
    });
    EXPECT_EQ(ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault, texts::FileChooserFilter, 0), "");
  }
  EXPECT_TRUE(stillOpen);
}

TEST_F(QtShell, NoticeStylesGiveTheirIconsButtonsAndCodes) {
  const struct {
    uint32_t style;
    QMessageBox::Icon icon;
    int buttons;
    QMessageBox::StandardButton press;  // NoButton: Escape
    int32_t code;
  } cases[] = {
      {0x30, QMessageBox::Warning, 1, QMessageBox::NoButton, 1},  // Escape closes a lone OK
      {0x10, QMessageBox::Critical, 1, QMessageBox::Ok, 1},
      {0x41, QMessageBox::Information, 2, QMessageBox::NoButton, 2},
      {0x24, QMessageBox::Question, 2, QMessageBox::No, 7},
      {0x03, QMessageBox::NoIcon, 3, QMessageBox::Yes, 6},
      {0x05, QMessageBox::NoIcon, 2, QMessageBox::Retry, 4},
      {0x02, QMessageBox::NoIcon, 3, QMessageBox::Ignore, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.style);
    DialogAnswer driver([&](OpenDialog& notice) {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      EXPECT_EQ(box->parentWidget()->objectName(), "MainWindow") << "also right after another";
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(notice.PushButtons(), c.buttons);
      if (c.press == QMessageBox::NoButton) {
        notice.Cancel();
      } else {
        QTest::mouseClick(box->button(c.press), Qt::LeftButton);
      }
    });
    EXPECT_EQ(ShowNotice(texts::NoticeCaption, texts::WordNotice, c.style), c.code);
  }
}

// Stands in for the desktop's opener on the PATH: records what it is given, waits while the
// file "halt" beside it exists, and fails for a name holding "kaputt".
class FakeOpener {
 public:
  FakeOpener() : path(qgetenv("PATH")) {
    QFile script(dir.filePath(QStringLiteral("xdg-open")));
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\n"
                 "while [ -e \"$(dirname \"$0\")/halt\" ]; do sleep 0.05; done\n"
                 "printf '%s\\n' \"$1\" >>\"$(dirname \"$0\")/given\"\n"
                 "case \"$1\" in *kaputt*) exit 4;; esac\n");
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", dir.path().toLocal8Bit() + ':' + path);
  }
  ~FakeOpener() { qputenv("PATH", path); }

  void Hold(bool on) {
    QFile halt(dir.filePath(QStringLiteral("halt")));
    on ? (void)halt.open(QIODevice::WriteOnly) : (void)halt.remove();
  }
  // What the opener was given, sorted, once count arguments have arrived.
  QStringList Given(qsizetype count) {
    QStringList given;
    for (int i = 0; i < 500 && given.size() < count; ++i) {
      QTest::qWait(10);
      QFile file(dir.filePath(QStringLiteral("given")));
      given = file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts)
                                             : QStringList();
    }
    given.sort();
    return given;
  }

 private:
  QTemporaryDir dir;
  QByteArray path;
};

// Nothing is started, whatever its execute bit or content; the opener gets every target, and
// nothing waits for it, as it may last as long as the program it opened.
TEST_F(QtShell, OpenDocumentHandsEveryTargetToTheOpenerAndRunsNone) {
  FakeOpener opener;
  ASSERT_TRUE(QFile::copy(QStandardPaths::findExecutable(QStringLiteral("true")), root + "/liesmich.txt"));
  const QString script = root + QStringLiteral("/lauf.sh");
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(("#!/bin/sh\ntouch '" + root + "/gelaufen'\n").toLocal8Bit());
  file.setPermissions(file.permissions() | QFile::ExeOwner);
  file.close();  // written out, so that running it would leave the marker
  QFile(root + QStringLiteral("/mit leer.txt")).open(QIODevice::WriteOnly);

  QStringList targets = {root + "/mit leer.txt", root + "/Texte", root + "/liesmich.txt", script,
                         QString::fromLatin1(texts::WebsiteAddress)};
  opener.Hold(true);
  for (const QString& target : targets) EXPECT_EQ(OpenDocument(Local(target)), 1) << Local(target);
  const QString before = QDir::currentPath();
  QDir::setCurrent(root);
  EXPECT_EQ(OpenDocument("brief.txt"), 1) << "a relative name is taken from the current folder";
  QDir::setCurrent(before);
  opener.Hold(false);
  targets << root + "/brief.txt";
  targets.sort();
  EXPECT_EQ(opener.Given(targets.size()), targets);
  EXPECT_FALSE(QFile::exists(root + "/gelaufen")) << "the script was run";
  EXPECT_EQ(OpenDocument(""), 0);
}

// An opener that fails later, or none at all, is told in a message owned by the main window.
TEST_F(QtShell, OpenerFailuresAreTold) {
  QFile(root + QStringLiteral("/kaputt.txt")).open(QIODevice::WriteOnly);
  const struct {
    bool opener;
    QString target;
    int32_t answer;
  } cases[] = {{true, root + "/kaputt.txt", 1}, {false, root + "/brief.txt", 0}};
  for (const auto& c : cases) {
    const FakeOpener opener;
    const QByteArray path = qgetenv("PATH");
    if (!c.opener) qputenv("PATH", QByteArray());
    QString told;
    {
      DialogAnswer driver([&](OpenDialog& message) {
        QWidget* box = QApplication::activeModalWidget();
        told = qobject_cast<QMessageBox*>(box)->text();
        EXPECT_EQ(box->parentWidget()->objectName(), "MainWindow");
        message.Confirm();
      });
      EXPECT_EQ(OpenDocument(Local(c.target)), c.answer);
    }
    qputenv("PATH", path);
    EXPECT_TRUE(told.contains(c.target)) << Local(told);
  }
}

}  // namespace
}  // namespace sucholin::testing

