#include "installer/RunInstallWindow.h"

#include "base/Ascii.h"
#include "base/Error.h"
#include "base/Paths.h"
#include "controls/ControlClasses.h"
#include "installer/ChooseDirectoryWindow.h"
#include "installer/InstallerStrings.h"
#include "installer/MessageIds.h"
#include "installer/Messages.h"
#include "installer/SetupUnit.h"
#include "installer/WinSysTools.h"
#include "platform/Clock.h"
#include "skin/SkinClasses.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/FormReader.h"

namespace nuvex {
namespace {

constexpr const char* kProgramFiles = "C:\\Program Files";
// While a long run keeps the window from its messages, the system is told
// this often that the program still answers.
constexpr uint32_t kAliveInterval = 1000;

const TClassRegistry& WindowClasses() {
  static const TClassRegistry classes = [] {
    TClassRegistry registry;
    AddSkinClasses(registry);
    AddControlClasses(registry);
    registry.Add({"TRunInstallForm", "TForm", nullptr, {}});  // only ever the window itself
    return registry;
  }();
  return classes;
}

void SetHintShown(TControl& control, const std::string& hint) {
  control.SetHint(hint);
  control.SetShowHint(!hint.empty());
}

}  // namespace

TRunInstallForm::TRunInstallForm(TComponent* owner, std::string programFolder)
    : TForm(owner), programFolder_(std::move(programFolder)) {
  THandlerTable handlers;
  handlers.Add<TNotifyEvent>("btRunInstallClick", {this, &TRunInstallForm::btRunInstallClick});
  handlers.Add<TNotifyEvent>("bbInstallDirectXWin98Click", {this, &TRunInstallForm::bbInstallDirectXWin98Click});
  handlers.Add<TNotifyEvent>("bbInstallDirectX_Win2000Click",
                             {this, &TRunInstallForm::bbInstallDirectX_Win2000Click});
  handlers.Add<TNotifyEvent>("laFolderBackgndClick", {this, &TRunInstallForm::laFolderBackgndClick});
  handlers.Add<TKeyEventHandler>("FormKeyUp", {this, &TRunInstallForm::FormKeyUp});
  ReadFormResource(*this, "RunInstallForm", WindowClasses(), handlers);
  image_ = &DescribedComponent<TImage>(*this, "Image");
  laAppNameBackground_ = &DescribedComponent<TLabel>(*this, "laAppNameBackground");
  laDirectory_ = &DescribedComponent<TLabel>(*this, "laDirectory");
  laFolder_ = &DescribedComponent<TLabel>(*this, "laFolder");
  laFolderBackgnd_ = &DescribedComponent<TLabel>(*this, "laFolderBackgnd");
  progressBar_ = &DescribedComponent<TMyProgressBar>(*this, "ProgressBar");
  laAppName_ = &DescribedComponent<TLabel>(*this, "laAppName");
  laDirectory1_ = &DescribedComponent<TLabel>(*this, "laDirectory1");
  rbRunInstall_ = &DescribedComponent<TRegionedButton>(*this, "rbRunInstall");
  rbInstallDirectXWin98_ = &DescribedComponent<TRegionedButton>(*this, "rbInstallDirectXWin98");
  rbInstallDirectX_Win2000_ = &DescribedComponent<TRegionedButton>(*this, "rbInstallDirectX_Win2000");
  skinManager1_ = &DescribedComponent<TSkinManager>(*this, "SkinManager1");

  progressBar_->SetVisible(false);
  SetClientSize(ClientWidth(), image_->Height());
  SetClientSize(image_->Width(), ClientHeight());
  laFolderBackgnd_->SetCaption(kDefaultDestinationFolder);
  laFolder_->SetCaption(kDefaultDestinationFolder);
  ApplyLanguage();
  UpdateDirectXButtons();
}

void TRunInstallForm::ApplyLanguage() {
  SetCaption(GetMessageText(msg::kWindowCaption));
  Application().SetTitle(GetMessageText(msg::kApplicationTitle));
  laAppName_->SetCaption(Application().Title());
  SetHintShown(*laAppName_, Caption());
  laAppNameBackground_->SetCaption(Application().Title());
  laAppNameBackground_->SetShowHint(false);
  laDirectory_->SetCaption(GetMessageText(msg::kDirectoryText));
  laDirectory1_->SetCaption(GetMessageText(msg::kDirectoryText));
  SetHintShown(*laFolder_, GetMessageText(msg::kFolderHint));
  SetHintShown(*laFolderBackgnd_, GetMessageText(msg::kFolderHint));
}

std::string TRunInstallForm::DirectXInstallerPath(bool windows98) const {
  const bool english = IsEnglishLanguage();
  const int id = windows98 ? (english ? IDS_DIRECTX_WIN98_ENGLISH : IDS_DIRECTX_WIN98_POLISH)
                           : (english ? IDS_DIRECTX_WIN2000_ENGLISH : IDS_DIRECTX_WIN2000_POLISH);
  return programFolder_ + InstallerString(id);
}

void TRunInstallForm::UpdateDirectXButtons() {
  rbInstallDirectXWin98_->SetVisible(FileExists(DirectXInstallerPath(true)));
  rbInstallDirectX_Win2000_->SetVisible(FileExists(DirectXInstallerPath(false)));
}

THitTest TRunInstallForm::HitTest(int x, int y, THitTest defaultAnswer) {
  if (defaultAnswer == THitTest::Client && !laFolderBackgnd_->BoundsRect().Contains(x, y)) return THitTest::Caption;
  return defaultAnswer;
}

void TRunInstallForm::btRunInstallClick(TObject*) {
  // A folder without its drive and root would be taken relative to the
  // working folder, the distribution medium: refused before anything is written.
  if (!path::IsFullPath(laFolder_->Caption())) {
    Application().MessageBox(GetMessageText(msg::kFolderNotFull), GetMessageText(msg::kErrorCaption), mbOk | mbIconError);
    return;
  }
  bool ok = false;
  {
    TRunInstall install(programFolder_);
    install.DestinationFolder = laFolder_->Caption();
    install.Version = kInstallVersion;
    install.OnStart = {this, &TRunInstallForm::InstallStart};
    install.OnProgress = {this, &TRunInstallForm::InstallProgress};
    install.OnBusy = {this, &TRunInstallForm::InstallBusy};
    lastAliveTick_ = CurrentClock().TickCount() - kAliveInterval;  // the first report tells it
    ok = install.RunInstall();
    if (ok) install.CreateShortcuts();
  }
  progressBar_->SetVisible(false);
  if (ok) {
    Application().MessageBox(GetMessageText(msg::kInstallDone), GetMessageText(msg::kInformationCaption), mbOk | mbIconInformation);
    Close();
  } else {
    Application().MessageBox(GetMessageText(msg::kInstallFailed), GetMessageText(msg::kErrorCaption), mbOk | mbIconError);
  }
}

void TRunInstallForm::InstallStart(void*, int32_t minimum, int32_t maximum) {
  progressBar_->SetMin(minimum);
  progressBar_->SetMax(maximum);
  progressBar_->SetVisible(true);
}

void TRunInstallForm::InstallProgress(void* sender, int32_t position) {
  progressBar_->SetPosition(position);
  InstallBusy(sender);
}

void TRunInstallForm::InstallBusy(void*) {
  // The run handles no input until it ends; the system still hears that
  // the program is alive, or it would mark the window as not responding.
  const uint32_t now = CurrentClock().TickCount();
  if (now - lastAliveTick_ >= kAliveInterval) {
    lastAliveTick_ = now;
    CurrentWindowBackend().KeepAlive();
  }
}

void TRunInstallForm::StartDirectX(bool windows98) {
  const std::string path = DirectXInstallerPath(windows98);
  if (FileExists(path)) {
    ShellOpen(path);
    return;
  }
  Application().MessageBox(GetMessageText(msg::kDirectXMissing), GetMessageText(msg::kErrorCaption), mbOk | mbIconError);
}

void TRunInstallForm::bbInstallDirectXWin98Click(TObject*) { StartDirectX(true); }

void TRunInstallForm::bbInstallDirectX_Win2000Click(TObject*) { StartDirectX(false); }

void TRunInstallForm::laFolderBackgndClick(TObject*) {
  std::string folder = laFolder_->Caption();
  if (!ChooseDirectory(folder)) return;
  if (LowerAscii(folder) == LowerAscii(kProgramFiles)) folder = kDefaultDestinationFolder;
  laFolderBackgnd_->SetCaption(folder);
  laFolder_->SetCaption(folder);
}

void TRunInstallForm::FormKeyUp(TObject*, uint16_t& key, TShiftState) {
  if (key == vkEscape) Close();
}

}  // namespace nuvex
