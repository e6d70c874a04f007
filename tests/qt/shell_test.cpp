// The Qt choosers, notice and opener: the real dialogs, found as the active modal widget and
// answered as a user would; the desktop's opener caught by URL handlers.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

#include "shell/shell.h"
#include "tests/qt/qt_test_support.h"
#include "ui/texts.h"

namespace sucholin {
namespace {

QString Fixed(const char* cp1252) { return QString::fromUtf8(texts::Utf8FromCp1252(cp1252)); }
std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Answers the next modal dialog of the given type once it is open, as the user would. Should
// none appear, whatever modal widget is open is closed, so that a fault fails instead of hanging.
template <typename Dialog>
std::unique_ptr<QTimer> WhenOpen(std::function<void(Dialog*)> answer) {
  auto timer = std::make_unique<QTimer>();
  QTimer* self = timer.get();
  auto tries = std::make_shared<int>(0);
  QObject::connect(self, &QTimer::timeout, [self, tries, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<Dialog*>(modal); dialog && dialog->isVisible()) {
      self->stop();
      answer(dialog);
    } else if (++*tries > 500) {
      self->stop();
      ADD_FAILURE() << "no dialog of the expected kind appeared";
      if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
    }
  });
  timer->start(10);
  return timer;
}

// Clicks at SearchButton of the main window; while a dialog is open this must reach nothing.
void ClickMainWindow() { test::Click(test::Control<QWidget>("SearchButton")); }

bool MainWindowClickWasIgnored() {
  for (const Event& event : test::ControlEvents()) {
    if (event.control == SearchButton) return false;
  }
  return true;
}

// Types a name into the dialog's own name box and confirms it with Enter.
void EnterName(QFileDialog* dialog, const QString& name) {
  auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(edit, nullptr);
  edit->setText(name);  // set, not typed: a completer popup would take the Enter
  QTest::keyClick(edit, Qt::Key_Return);
}

class ShellTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::OpenMainWindow(); }

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    root = QDir(folder.path()).canonicalPath();
    ASSERT_TRUE(QDir(root).mkdir(QStringLiteral("Texte")));
    QFile file(root + QStringLiteral("/brief.txt"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Hallo\n");
    test::ControlEvents();
  }

  QTemporaryDir folder;
  QString root;
};

TEST_F(ShellTest, FolderChooserAnswersTheFolderWithOneSlash) {
  bool blocked = false;
  const auto timer = WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Ordner Ausw\xC3\xA4hlen"));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), root) << "starts at the initial folder";
    ClickMainWindow();
    blocked = true;
    EnterName(dialog, QStringLiteral("Texte"));
  });
  EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, Local(root)), Local(root + "/Texte/"));
  EXPECT_TRUE(blocked);
  EXPECT_TRUE(MainWindowClickWasIgnored());
  ClickMainWindow();
  EXPECT_FALSE(MainWindowClickWasIgnored()) << "usable again after the dialog";
}

TEST_F(ShellTest, FolderChooserStartsAtHomeWhenTheInitialFolderIsMissing) {
  const auto timer = WhenOpen<QFileDialog>([](QFileDialog* dialog) {
    EXPECT_EQ(dialog->directory().canonicalPath(), QDir::home().canonicalPath());
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, texts::FolderChooserStart), "");
}

TEST_F(ShellTest, FolderChooserKeepsTheRootAsItIs) {
  const auto timer = WhenOpen<QFileDialog>([](QFileDialog* dialog) {
    EnterName(dialog, QStringLiteral("/"));
  });
  EXPECT_EQ(ChooseFolder(texts::FolderChooserTitle, "/"), "/");
}

TEST_F(ShellTest, FileDialogOffersTheOneFilterAndTakesANewName) {
  bool blocked = false;
  const auto timer = WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Datei ausw\xC3\xA4hlen"));
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
    ASSERT_EQ(dialog->nameFilters().size(), 1);
    const auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    EXPECT_EQ(types->count(), 1);
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(types->currentText(),
              QStringLiteral("(*.txt,*.htm,*.html,*.xml,*bat,*.pb,*.pbi,*.php,*.perl)"));
    for (const char* pattern : {"*.txt", "*.htm", "*.html", "*.xml", "*bat", "*.pb", "*.pbi",
                                "*.php", "*.perl"}) {
      EXPECT_TRUE(dialog->nameFilters().first().split(QRegularExpression("[ ()]"))
                      .contains(QString::fromLatin1(pattern)))
          << pattern;
    }
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), "")
        << "\"*.*\" is no file name";
    ClickMainWindow();
    blocked = true;
    EnterName(dialog, root + QStringLiteral("/neu.txt"));
  });
  EXPECT_EQ(ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault,
                       texts::FileChooserFilter, 0),
            Local(root + "/neu.txt"));
  EXPECT_TRUE(blocked);
  EXPECT_TRUE(MainWindowClickWasIgnored());
}

TEST_F(ShellTest, FileDialogRefusesAMissingFolderAndCancelAnswersNothing) {
  bool stillOpen = false;
  const auto timer = WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
    EnterName(dialog, root + QStringLiteral("/fehlt/neu.txt"));
    QCoreApplication::processEvents();
    stillOpen = dialog->isVisible();
    dialog->reject();
  });
  EXPECT_EQ(ChooseFile(texts::FileChooserTitle, texts::FileChooserDefault,
                       texts::FileChooserFilter, 0),
            "");
  EXPECT_TRUE(stillOpen);
}

TEST_F(ShellTest, FileDialogStartsWithTheDefaultFile) {
  const auto timer = WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
    EXPECT_EQ(dialog->directory().canonicalPath(), root);
    EXPECT_EQ(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
              QStringLiteral("brief.txt"));
    EnterName(dialog, QStringLiteral("brief.txt"));
  });
  EXPECT_EQ(ChooseFile(texts::FileChooserTitle, Local(root + "/brief.txt"), "Alle|*", 0),
            Local(root + "/brief.txt"));
}

TEST_F(ShellTest, NoticeShowsTheTextWithWarningIconAndOneOk) {
  bool blocked = false;
  const auto timer = WhenOpen<QMessageBox>([&](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Meldung"));
    EXPECT_EQ(box->text(), Fixed(texts::PathNotice));
    EXPECT_TRUE(box->text().contains(QStringLiteral("Datei\nzum")));
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    ASSERT_EQ(box->buttons().size(), 1);
    EXPECT_EQ(box->standardButton(box->buttons().first()), QMessageBox::Ok);
    ClickMainWindow();
    blocked = true;
    QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
  });
  EXPECT_EQ(ShowNotice(texts::NoticeCaption, texts::PathNotice, texts::NoticeStyle), 1);
  EXPECT_TRUE(blocked);
  EXPECT_TRUE(MainWindowClickWasIgnored());
}

TEST_F(ShellTest, NoticeStylesGiveTheirIconsButtonsAndCodes) {
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
    const auto timer = WhenOpen<QMessageBox>([&](QMessageBox* box) {
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->buttons().size(), c.buttons);
      if (c.press == QMessageBox::NoButton) {
        QTest::keyClick(box, Qt::Key_Escape);
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

TEST_F(ShellTest, OpenDocumentStartsProgramsAndHandsTheRestToTheOpener) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("true"));
  ASSERT_FALSE(program.isEmpty());
  // A script with the execute bit: opened, not run.
  const QString script = root + QStringLiteral("/lauf.sh");
  const QString marker = root + QStringLiteral("/gelaufen");
  {
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\ntouch '" + marker + "'\n").toLocal8Bit());
    file.setPermissions(file.permissions() | QFile::ExeOwner);
  }
  // A program without the execute bit: a document like any other.
  const QString copy = root + QStringLiteral("/programm");
  ASSERT_TRUE(QFile::copy(program, copy));
  QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
  QFile spaced(root + QStringLiteral("/mit leer.txt"));
  ASSERT_TRUE(spaced.open(QIODevice::WriteOnly));

  const struct {
    std::string target;
    int32_t answer;
    QString opened;  // empty: the opener is not asked
  } cases[] = {
      {Local(root + "/brief.txt"), 1, QUrl::fromLocalFile(root + "/brief.txt").toString()},
      {Local(root + "/mit leer.txt"), 1, QUrl::fromLocalFile(root + "/mit leer.txt").toString()},
      {Local(root + "/Texte"), 1, QUrl::fromLocalFile(root + "/Texte").toString()},
      {Local(script), 1, QUrl::fromLocalFile(script).toString()},
      {Local(copy), 1, QUrl::fromLocalFile(copy).toString()},
      {Local(program), 1, {}},
      {texts::WebsiteAddress, 1, QString::fromLatin1(texts::WebsiteAddress)},
      {Local(root + "/fehlt.txt"), 0, {}},
      {"", 0, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    Opener opener;
    EXPECT_EQ(OpenDocument(c.target), c.answer);
    if (c.opened.isEmpty()) {
      EXPECT_TRUE(opener.opened.isEmpty());
    } else {
      ASSERT_EQ(opener.opened.size(), 1);
      EXPECT_EQ(opener.opened.first().toString(), c.opened);
    }
  }
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(marker)) << "the script was run";
}

TEST_F(ShellTest, OpenDocumentTakesARelativeNameFromTheCurrentFolder) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(root));
  Opener opener;
  EXPECT_EQ(OpenDocument("brief.txt"), 1);
  QDir::setCurrent(before);
  ASSERT_EQ(opener.opened.size(), 1);
  EXPECT_EQ(opener.opened.first(), QUrl::fromLocalFile(root + "/brief.txt"));
}

}  // namespace
}  // namespace sucholin

#include "shell_test.moc"
