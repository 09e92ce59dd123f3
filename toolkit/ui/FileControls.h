#pragma once
// A directory list and a drive selector over the window system's own list
// and drop-down list.
//
// TDirectoryListBox shows TDirectoryModel's items (the current directory's
// path, then its subfolders), indented by level, with the current directory
// selected.  Picking an item moves there; every change of the current
// directory, by the user, by a drive selector or by SetDirectory, fires
// OnChange.  At creation it stands at the process's working folder.
//
// TDriveComboBox lists the machine's drives; choosing one moves its DirList
// (a directory list, not owned) to that drive, and the selector shows the
// drive of wherever its list moves.
#include <string>

#include "toolkit/ui/DirectoryModel.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

class TDriveComboBox;

class TDirectoryListBox : public TWinControl {
 public:
  explicit TDirectoryListBox(TComponent* owner);
  std::string ClassName() const override { return "TDirectoryListBox"; }

  const std::string& Directory() const { return model_.Directory(); }
  // Moves to an existing folder; false (nothing changes) for any other text.
  bool SetDirectory(const std::string& directory);
  char Drive() const { return model_.Drive(); }
  bool SetDrive(char drive);
  const TDirectoryModel& Model() const { return model_; }

  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TWindowParams& params) override;
  void WindowCreated() override;
  void Command(int notifyCode) override;
  void TextChanged() override;

 private:
  friend class TDriveComboBox;
  void ShowItems();
  // After a move: the list shows the new directory, its drive selector its
  // drive, and OnChange fires.
  void Moved();

  TDirectoryModel model_;
  TDriveComboBox* driveSelector_ = nullptr;  // the selector whose DirList this is
  int itemHeight_ = 16;
};

class TDriveComboBox : public TWinControl {
 public:
  explicit TDriveComboBox(TComponent* owner);
  ~TDriveComboBox() override;
  std::string ClassName() const override { return "TDriveComboBox"; }

  char Drive() const { return drive_; }
  // Selects a drive of the list (letters in either case) and moves DirList there.
  void SetDrive(char drive);
  TDirectoryListBox* DirList() const { return dirList_; }
  void SetDirList(TDirectoryListBox* value);

 protected:
  void CreateParams(TWindowParams& params) override;
  void WindowCreated() override;
  TRect WindowBounds() const override;
  void Command(int notifyCode) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TDirectoryListBox;
  void ShowDrive(char drive);

  std::vector<char> drives_;
  char drive_ = 'C';
  TDirectoryListBox* dirList_ = nullptr;
};

}  // namespace nuvex
