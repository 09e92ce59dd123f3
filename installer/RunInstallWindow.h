#pragma once
// The installer's one window: a borderless picture with two-colour texts,
// the install button, two DirectX buttons shown when their installers lie
// beside the program, a progress bar for the packed files, and the
// destination folder as a clickable text.  A press anywhere but on the
// folder text drags the window; Escape closes it.
#include <memory>
#include <string>

#include "controls/MyProgressBar.h"
#include "platform/Files.h"
#include "skin/RegionedButton.h"
#include "skin/SkinManager.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/Image.h"
#include "toolkit/ui/Label.h"

namespace nuvex {

inline constexpr const char* kDefaultDestinationFolder = "C:\\Program Files\\Nuvex Player 2.6 XP";
inline constexpr const char* kInstallVersion = "2.6";

class TRunInstallForm : public TForm {
 public:
  // Reads the window's stored description ("RunInstallForm"), then hides the
  // bar, takes the picture's size, shows the default folder, sets the texts
  // of the current language and decides which DirectX buttons show.  The
  // package and the DirectX installers lie in programFolder (ending with
  // "\"): the running program's folder unless a test says otherwise.
  explicit TRunInstallForm(TComponent* owner, std::string programFolder = ProgramFolder());
  std::string ClassName() const override { return "TRunInstallForm"; }

  TImage& Image() const { return *image_; }
  TLabel& laAppName() const { return *laAppName_; }
  TLabel& laAppNameBackground() const { return *laAppNameBackground_; }
  TLabel& laDirectory() const { return *laDirectory_; }
  TLabel& laDirectory1() const { return *laDirectory1_; }
  TLabel& laFolder() const { return *laFolder_; }
  TLabel& laFolderBackgnd() const { return *laFolderBackgnd_; }
  TMyProgressBar& ProgressBar() const { return *progressBar_; }
  TRegionedButton& rbRunInstall() const { return *rbRunInstall_; }
  TRegionedButton& rbInstallDirectXWin98() const { return *rbInstallDirectXWin98_; }
  TRegionedButton& rbInstallDirectX_Win2000() const { return *rbInstallDirectX_Win2000_; }
  TSkinManager& SkinManager1() const { return *skinManager1_; }

 protected:
  // The whole surface but the folder text answers as the title bar would.
  THitTest HitTest(int x, int y, THitTest defaultAnswer) override;

 private:
  void ApplyLanguage();
  void UpdateDirectXButtons();
  // Where a DirectX button's installer lies for the current language.
  std::string DirectXInstallerPath(bool windows98) const;
  void StartDirectX(bool windows98);

  void btRunInstallClick(TObject* sender);
  void bbInstallDirectXWin98Click(TObject* sender);
  void bbInstallDirectX_Win2000Click(TObject* sender);
  void laFolderBackgndClick(TObject* sender);
  void FormKeyUp(TObject* sender, uint16_t& key, TShiftState shift);
  void InstallStart(void* sender, int32_t minimum, int32_t maximum);
  void InstallProgress(void* sender, int32_t position);
  void InstallBusy(void* sender);

  TImage* image_ = nullptr;
  TLabel* laAppNameBackground_ = nullptr;
  TLabel* laDirectory_ = nullptr;
  TLabel* laFolder_ = nullptr;
  TLabel* laFolderBackgnd_ = nullptr;
  TMyProgressBar* progressBar_ = nullptr;
  TLabel* laAppName_ = nullptr;
  TLabel* laDirectory1_ = nullptr;
  TRegionedButton* rbRunInstall_ = nullptr;
  TRegionedButton* rbInstallDirectXWin98_ = nullptr;
  TRegionedButton* rbInstallDirectX_Win2000_ = nullptr;
  TSkinManager* skinManager1_ = nullptr;
  std::string programFolder_;
  uint32_t lastAliveTick_ = 0;
};

}  // namespace nuvex
