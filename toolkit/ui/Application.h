#pragma once
// TApplication: the program's application object: its title, the message
// loop and the default report of an error that reached an event handler.
#include <exception>
#include <memory>
#include <string>

#include "base/Event.h"
#include "platform/ComApartment.h"
#include "toolkit/ui/Component.h"

namespace nuvex {

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // The start of the program's run: COM for the main thread, until Finalize
  // (or the application's end) releases it.
  void Initialize();
  void Finalize();

  // The program's main window: closing it ends the message loop (Run).
  // Not owned; a form that goes away forgets itself here.
  TComponent* MainForm() const { return mainForm_; }
  void SetMainForm(TComponent* form) { mainForm_ = form; }

  // The caption of the error report and of the program's message boxes.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }

  // Runs the message loop until the quit request that Terminate posts (or
  // any other) comes out of the queue.
  void Run();
  void Terminate();
  // The quit request came.
  bool Terminated() const { return terminated_; }
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Waits for one message and handles it.
  void HandleMessage();

  // A modal message box (flags and answer in the window system's numbers,
  // see toolkit/window/WindowBackend.h).
  int MessageBox(const std::string& text, const std::string& caption, uint32_t flags);

  // Where errors that reached an event dispatch go: OnException when it is
  // set, else ShowException.  Never throws.  An error raised while a report
  // is open is not reported again.
  void HandleException(const std::exception& error);
  // The default report: ErrorReportText of the message, caption Title(),
  // error icon, OK button.
  void ShowException(const std::exception& error);
  Event<TObject*, const std::exception&> OnException;

 private:
  std::string title_;
  std::unique_ptr<TComApartment> com_;
  TComponent* mainForm_ = nullptr;
  bool terminated_ = false;
  bool reporting_ = false;
};

// The program's one application object.
TApplication& Application();

// The text of the error report: the message with a full stop appended,
// unless it is empty or its last character is "." or any character whose
// code is below that of ".".
std::string ErrorReportText(const std::string& message);

}  // namespace nuvex
