#pragma once
// The destination folder dialog: a drive selector, a directory list and an
// edit box holding the chosen path, which the user may also type.  It lives
// for one call of ChooseDirectory.
#include <memory>
#include <string>

#include "toolkit/ui/FileControls.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/StdControls.h"

namespace nuvex {

class TChooseDirForm : public TForm {
 public:
  // Reads the dialog's stored description ("ChooseDirForm"); FormCreate runs
  // at the end of it.
  explicit TChooseDirForm(TComponent* owner);
  std::string ClassName() const override { return "TChooseDirForm"; }

  // The list moves to the folder if it exists, else to "C:\Program Files" if
  // that exists, else stays; the edit box shows the folder in every case.
  void SetDirectory(const std::string& folder);
  // The edit box's text as it stands.
  std::string GetDirectory() const;

  TDriveComboBox& DriveComboBox() const { return *driveComboBox_; }
  TDirectoryListBox& DirectoryListBox() const { return *directoryListBox_; }
  TEdit& edDir() const { return *edDir_; }
  TButton& btCancel() const { return *btCancel_; }
  TButton& btOk() const { return *btOk_; }

 private:
  void FormCreate(TObject* sender);
  void SetCaptions();
  void DirectoryListBoxChange(TObject* sender);
  void btOkClick(TObject* sender);
  void btCancelClick(TObject* sender);

  TDriveComboBox* driveComboBox_ = nullptr;
  TDirectoryListBox* directoryListBox_ = nullptr;
  TEdit* edDir_ = nullptr;
  TButton* btCancel_ = nullptr;
  TButton* btOk_ = nullptr;
};

// Lets the user choose a folder, starting from `folder`.  On OK the edit
// box's text is written to folder and the answer is true; otherwise folder
// is left as it was.
bool ChooseDirectory(std::string& folder);

}  // namespace nuvex
