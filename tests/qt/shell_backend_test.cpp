// What only the Qt shell backend does: Qt's own file dialogs with their start folders, the
// notice styles, and the desktop's opener caught by URL handlers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
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
  {
    DialogAnswer driver([&](OpenDialog& chooser) {
      shown = ShownFolder();
      name = chooser.NameBox();
      const auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      filters = dialog->nameFilters() << dialog->selectedNameFilter();
      chooser.Cancel();
    });
    EXPECT_EQ(ChooseFile(texts::FileChooserTitle, Local(root + "/mein brief.txt"), "Alle|*|Text|*.txt", 1), "");
  }
  EXPECT_EQ(shown, root);
  EXPECT_EQ(name, "mein brief.txt");
  EXPECT_EQ(filters, (QStringList{"Alle (*)", "Text (*.txt)", "Text"}));
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

// Stands in for the desktop's opener.
class Opener : public QObject {
  Q_OBJECT

 public:
  Opener() {
    for (const char* scheme : {"file", "https"}) {
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
    }
  }
  ~Opener() override {
    for (const char* scheme : {"file", "https"}) {
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
  }

  QList<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened << url; }
};

// Native programs are started; everything else, even a script with the execute bit, is opened.
TEST_F(QtShell, OpenDocumentStartsProgramsAndHandsTheRestToTheOpener) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("true"));
  const QString script = root + QStringLiteral("/lauf.sh");
  const QString marker = root + QStringLiteral("/gelaufen");
  QFile file(script);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(("#!/bin/sh\ntouch '" + marker + "'\n").toLocal8Bit());
  file.setPermissions(file.permissions() | QFile::ExeOwner);
  const QString copy = root + QStringLiteral("/programm");  // without the execute bit
  ASSERT_TRUE(QFile::copy(program, copy));
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);

  QFile spaced(root + QStringLiteral("/mit leer.txt"));
  ASSERT_TRUE(spaced.open(QIODevice::WriteOnly));
  const QString opened[] = {root + "/brief.txt", spaced.fileName(), root + "/Texte", script, copy};
  for (const QString& target : opened) {
    Opener opener;
    EXPECT_EQ(OpenDocument(Local(target)), 1);
    EXPECT_EQ(opener.opened, QList<QUrl>{QUrl::fromLocalFile(target)}) << Local(target);
  }
  Opener opener;
  EXPECT_EQ(OpenDocument(texts::WebsiteAddress), 1);
  EXPECT_EQ(OpenDocument(Local(program)), 1);
  const QString before = QDir::currentPath();
  QDir::setCurrent(root);
  EXPECT_EQ(OpenDocument("brief.txt"), 1) << "a relative name is taken from the current folder";
  QDir::setCurrent(before);
  EXPECT_EQ(opener.opened, (QList<QUrl>{QUrl(QString::fromLatin1(texts::WebsiteAddress)),
                                        QUrl::fromLocalFile(root + "/brief.txt")}));
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(marker)) << "the script was run";
}

// Without a handler the offscreen platform cannot open anything, and says so.
TEST_F(QtShell, AFailedOpenerAnswersZero) {
  EXPECT_EQ(OpenDocument(Local(root + "/brief.txt")), 0);
  EXPECT_EQ(OpenDocument(texts::WebsiteAddress), 0);
  EXPECT_EQ(OpenDocument(""), 0);
}

}  // namespace
}  // namespace sucholin::testing

#include "shell_backend_test.moc"
