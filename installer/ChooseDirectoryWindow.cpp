#include "installer/ChooseDirectoryWindow.h"

#include "base/Error.h"
#include "base/ScopeGuard.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "platform/Files.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex {
namespace {

constexpr const char* kFallbackFolder = "C:\\Program Files";

const TClassRegistry& DialogClasses() {
  static const TClassRegistry classes = [] {
    TClassRegistry registry;
    registry.Add({"TChooseDirForm", "TForm", nullptr, {}});  // only ever the form itself
    return registry;
  }();
  return classes;
}


}  // namespace

TChooseDirForm::TChooseDirForm(TComponent* owner) : TForm(owner) {
  THandlerTable handlers;
  handlers.Add<TNotifyEvent>("FormCreate", {this, &TChooseDirForm::FormCreate});
  handlers.Add<TNotifyEvent>("DirectoryListBoxChange", {this, &TChooseDirForm::DirectoryListBoxChange});
  handlers.Add<TNotifyEvent>("btOkClick", {this, &TChooseDirForm::btOkClick});
  handlers.Add<TNotifyEvent>("btCancelClick", {this, &TChooseDirForm::btCancelClick});
  ReadFormResource(*this, "ChooseDirForm", DialogClasses(), handlers);
  driveComboBox_ = &DescribedComponent<TDriveComboBox>(*this, "DriveComboBox");
  directoryListBox_ = &DescribedComponent<TDirectoryListBox>(*this, "DirectoryListBox");
  edDir_ = &DescribedComponent<TEdit>(*this, "edDir");
  btCancel_ = &DescribedComponent<TButton>(*this, "btCancel");
  btOk_ = &DescribedComponent<TButton>(*this, "btOk");
  DoCreate();
}

void TChooseDirForm::FormCreate(TObject*) {
  edDir_->SetText(directoryListBox_->Directory());
  SetCaptions();
}

void TChooseDirForm::SetCaptions() {
  btOk_->SetCaption(GetMessageText(msg::kOkCaption));
  btCancel_->SetCaption(GetMessageText(msg::kCancelCaption));
  SetCaption(GetMessageText(msg::kDialogCaption));
}

void TChooseDirForm::DirectoryListBoxChange(TObject*) { edDir_->SetText(directoryListBox_->Directory()); }

void TChooseDirForm::btOkClick(TObject*) { SetModalResult(mrOk); }

void TChooseDirForm::btCancelClick(TObject*) { SetModalResult(mrCancel); }

void TChooseDirForm::SetDirectory(const std::string& folder) {
  // A folder the list cannot show (one without a drive: relative, or a
  // network share) is treated as a missing one.
  const bool shown = DirectoryExists(folder) && directoryListBox_->SetDirectory(folder);
  if (!shown && DirectoryExists(kFallbackFolder)) directoryListBox_->SetDirectory(kFallbackFolder);
  edDir_->SetText(folder);
}

std::string TChooseDirForm::GetDirectory() const { return edDir_->Text(); }

bool ChooseDirectory(std::string& folder) {
  // Owned by the application while it lives, and freed on every way out.
  TChooseDirForm& form = TComponent::Create<TChooseDirForm>(Application());
  ScopeExit free([&form] { Application().RemoveComponent(&form); });
  form.SetDirectory(folder);
  if (form.ShowModal() != mrOk) return false;
  folder = form.GetDirectory();
  return true;
}

}  // namespace nuvex
