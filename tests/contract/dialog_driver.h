// Finds the modal dialog the code under test opens, reads it and answers it as a user would.
// One implementation per shell backend.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace sucholin::testing {

// An open dialog, as the platform shows it. Texts are in the fixed texts' encoding.
class OpenDialog {
 public:
  virtual ~OpenDialog() = default;
  // Whether the caption or any control of the dialog shows exactly text.
  virtual bool Shows(const std::string& text) = 0;
  // A file dialog's name box.
  virtual std::string NameBox() = 0;
  // Whether a click on the main window is refused while the dialog is open.
  virtual bool MainWindowBlocked() = 0;
  // Types name into the name box and confirms it.
  virtual void Enter(const std::string& name) = 0;
  // Confirms a message with its OK.
  virtual void Confirm() = 0;
  virtual void Cancel() = 0;
};

// Answers the next dialog that opens while it lives; its end waits until the answer was given.
// Should no dialog open, the test fails instead of hanging. Neither copied nor moved (its
// platform part is owned alone, and the destructor suppresses the moves).
class DialogAnswer {
 public:
  explicit DialogAnswer(std::function<void(OpenDialog&)> answer);
  ~DialogAnswer();

 private:
  struct Platform;
  std::unique_ptr<Platform> platform;
};

}  // namespace sucholin::testing
