// The dialog driver on Qt: the active modal widget, found by polling from the event loop that
// the dialog itself runs, and answered through Qt input events.
#include "tests/contract/dialog_driver.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "tests/contract/window_driver.h"

namespace sucholin::testing {
namespace {

class QtDialog : public OpenDialog {
 public:
  explicit QtDialog(QDialog* open) : dialog(open), box(qobject_cast<QMessageBox*>(open)) {}

  bool Shows(const std::string& text) override {
    return dialog->windowTitle().toStdString() == text ||
           (box && box->text().toStdString() == text);
  }
  std::string NameBox() override { return NameEdit()->text().toStdString(); }
  bool MainWindowBlocked() override { return !SearchButtonTakesClicks(); }
  // Set, not typed: a completer would take the Enter.
  void Enter(const std::string& name) override {
    NameEdit()->setText(QString::fromLocal8Bit(name));
    QTest::keyClick(NameEdit(), Qt::Key_Return);
  }
  void Confirm() override { QTest::mouseClick(box->buttons().first(), Qt::LeftButton); }
  void Cancel() override { QTest::keyClick(dialog, Qt::Key_Escape); }

 private:
  QLineEdit* NameEdit() { return dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
  QDialog* dialog;
  QMessageBox* box;
};

}  // namespace

struct DialogAnswer::Platform {
  QTimer timer;
  int tries = 0;
};

DialogAnswer::DialogAnswer(std::function<void(OpenDialog&)> answer)
    : platform(std::make_unique<Platform>()) {
  Platform* self = platform.get();
  QObject::connect(&self->timer, &QTimer::timeout, [self, answer = std::move(answer)] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) {
      self->timer.stop();
      QtDialog open(dialog);
      answer(open);
    } else if (++self->tries > 300) {
      self->timer.stop();
      ADD_FAILURE() << "no dialog appeared";
    }
  });
  self->timer.start(10);
}

// A dialog that does not block the caller is answered after the call has returned.
DialogAnswer::~DialogAnswer() {
  while (platform->timer.isActive()) QTest::qWait(10);
}

}  // namespace sucholin::testing
