#include "toolkit/ui/FileControls.h"

#include <algorithm>

#include "base/AssignIfChanged.h"
#include "base/Ascii.h"
#include "platform/Drives.h"
#include "toolkit/ui/NativeStyles.h"

namespace nuvex {

using namespace native_style;

namespace {

constexpr int kDroppedItems = 8;  // a dropped drive list shows this many lines

}  // namespace

// --- TDirectoryListBox ---

TDirectoryListBox::TDirectoryListBox(TComponent* owner) : TWinControl(owner), model_(CurrentDirectory()) {
  SetBounds(0, 0, 145, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

void TDirectoryListBox::CreateParams(TWindowParams& params) {
  TWinControl::CreateParams(params);
  params.NativeClass = "LISTBOX";
  params.NativeStyle = kListNotify | kListNoIntegralHeight | kVerticalScroll | kBorder;
}

void TDirectoryListBox::WindowCreated() {
  Window().SetItemHeight(itemHeight_);
  ShowItems();
}

void TDirectoryListBox::TextChanged() {
  TWinControl::TextChanged();
  // A new font gives the native list the font's own item height.
  if (HandleAllocated()) Window().SetItemHeight(itemHeight_);
}

void TDirectoryListBox::ShowItems() {
  if (!HandleAllocated()) return;
  std::vector<std::string> lines;
  lines.reserve(model_.Items().size());
  for (const TDirectoryItem& item : model_.Items()) {
    lines.push_back(std::string(static_cast<size_t>(item.Level) * 2, ' ') + item.Text);
  }
  Window().SetItems(lines);
  Window().SetItemIndex(model_.CurrentIndex());
}

void TDirectoryListBox::SetItemHeight(int value) {
  value = std::max(value, 1);
  if (AssignIfChanged(itemHeight_, value) && HandleAllocated()) Window().SetItemHeight(itemHeight_);
}

void TDirectoryListBox::Moved() {
  ShowItems();
  if (driveSelector_) driveSelector_->ShowDrive(model_.Drive());
  OnChange(this);
}

bool TDirectoryListBox::SetDirectory(const std::string& directory) {
  const std::string before = model_.Directory();
  if (!model_.SetDirectory(directory)) return false;
  // Moving to where it stands still lists the folder anew (it may have
  // changed), but is no change.
  if (model_.Directory() == before) {
    ShowItems();
  } else {
    Moved();
  }
  return true;
}

bool TDirectoryListBox::SetDrive(char drive) {
  if (AsciiUpper(drive) == model_.Drive()) return true;
  const std::string before = model_.Directory();
  if (!model_.SetDrive(drive)) return false;
  if (model_.Directory() != before) Moved();
  return true;
}

void TDirectoryListBox::Command(int notifyCode) {
  if (notifyCode != kListSelectionChanged) return;
  const int index = Window().ItemIndex();
  if (index < 0 || index == model_.CurrentIndex()) return;
  const std::string before = model_.Directory();
  // A folder that vanished since it was listed leaves the list where it
  // was, listed anew.
  if (!model_.Choose(index)) model_.SetDirectory(before);
  if (model_.Directory() == before) {
    ShowItems();
    return;
  }
  Moved();
}

// --- TDriveComboBox ---

TDriveComboBox::TDriveComboBox(TComponent* owner) : TWinControl(owner), drives_(LogicalDrives()) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
  if (!drives_.empty() && std::find(drives_.begin(), drives_.end(), 'C') == drives_.end()) drive_ = drives_[0];
}

TDriveComboBox::~TDriveComboBox() { SetDirList(nullptr); }

void TDriveComboBox::CreateParams(TWindowParams& params) {
  TWinControl::CreateParams(params);
  params.NativeClass = "COMBOBOX";
  params.NativeStyle = kComboDropDownList | kVerticalScroll;
}

TRect TDriveComboBox::WindowBounds() const {
  TRect bounds = BoundsRect();
  bounds.Bottom += kDroppedItems * std::max(Height() - 4, 8);
  return bounds;
}

void TDriveComboBox::WindowCreated() {
  std::vector<std::string> lines;
  for (char letter : drives_) lines.push_back(std::string(1, AsciiLower(letter)) + ":");
  Window().SetItems(lines);
  const auto at = std::find(drives_.begin(), drives_.end(), drive_);
  Window().SetItemIndex(at == drives_.end() ? -1 : static_cast<int>(at - drives_.begin()));
}

void TDriveComboBox::ShowDrive(char drive) {
  drive = AsciiUpper(drive);
  const auto at = std::find(drives_.begin(), drives_.end(), drive);
  if (at == drives_.end() || drive == drive_) return;
  drive_ = drive;
  if (HandleAllocated()) Window().SetItemIndex(static_cast<int>(at - drives_.begin()));
}

void TDriveComboBox::SetDrive(char drive) {
  drive = AsciiUpper(drive);
  if (std::find(drives_.begin(), drives_.end(), drive) == drives_.end()) return;
  ShowDrive(drive);
  if (dirList_) dirList_->SetDrive(drive_);
}

void TDriveComboBox::SetDirList(TDirectoryListBox* value) {
  if (value == dirList_) return;
  if (dirList_) {
    dirList_->RemoveFreeNotification(this);
    dirList_->driveSelector_ = nullptr;
  }
  dirList_ = value;
  if (dirList_) {
    dirList_->FreeNotification(this);
    dirList_->driveSelector_ = this;
    ShowDrive(dirList_->Drive());
  }
}

void TDriveComboBox::Command(int notifyCode) {
  if (notifyCode != kListSelectionChanged) return;
  const int index = Window().ItemIndex();
  if (index >= 0 && index < static_cast<int>(drives_.size())) SetDrive(drives_[static_cast<size_t>(index)]);
}

void TDriveComboBox::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == dirList_) dirList_ = nullptr;
}

}  // namespace nuvex
