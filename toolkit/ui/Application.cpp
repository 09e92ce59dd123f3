#include "toolkit/ui/Application.h"

#include "base/Paths.h"
#include "platform/Files.h"
#include "toolkit/window/WindowBackend.h"

namespace nuvex {

namespace {

// The program's file name without folder and extension.
std::string DefaultTitle() {
  std::string path;
  try {
    path = ProgramPath();
  } catch (...) {
    return {};
  }
  return path::BaseName(path);
}

}  // namespace

TApplication::TApplication() : TComponent(nullptr), title_(DefaultTitle()) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() {
  if (!com_) com_ = std::make_unique<TComApartment>();
}

void TApplication::Finalize() { com_.reset(); }

void TApplication::Run() {
  terminated_ = false;
  while (!terminated_) HandleMessage();
}

// The loop ends when the quit request comes out of the queue, so none is
// left behind in it.
void TApplication::Terminate() { CurrentWindowBackend().PostQuit(); }

void TApplication::ProcessMessages() { CurrentWindowBackend().ProcessMessages(); }

void TApplication::HandleMessage() {
  if (!CurrentWindowBackend().HandleMessage()) terminated_ = true;
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, uint32_t flags) {
  return CurrentWindowBackend().ShowMessageBox(text, caption, flags);
}

void TApplication::HandleException(const std::exception& error) {
  // An error while its report is open (a paint that keeps failing behind the
  // message box) would open box after box; the first report stands for it.
  if (reporting_) return;
  reporting_ = true;
  try {
    if (OnException) {
      OnException(this, error);
    } else {
      ShowException(error);
    }
  } catch (...) {
    // The report itself failed; there is nobody left to tell.
  }
  reporting_ = false;
}

void TApplication::ShowException(const std::exception& error) {
  MessageBox(ErrorReportText(error.what()), title_, mbOk | mbIconError);
}

TApplication& Application() {
  static TApplication application;
  return application;
}

std::string ErrorReportText(const std::string& message) {
  if (message.empty()) return message;
  if (static_cast<unsigned char>(message.back()) <= static_cast<unsigned char>('.')) return message;
  return message + ".";
}

}  // namespace nuvex
