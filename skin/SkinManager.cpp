#include "skin/SkinManager.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

#include "base/DestroyWatch.h"
#include "skin/Skin.h"
#include "skin/SkinFolderScan.h"
#include "skin/SkinStrings.h"
#include "trace/TraceUnit.h"

namespace nuvex {

TSkinManager::TSkinManager(TComponent* owner, std::string programFolder)
    : TSkinManagerLink(owner), programFolder_(std::move(programFolder)) {
  LoadSkinList();
}

TSkinManager::~TSkinManager() {
  ClearSkinList();
  ClearControls();
}

void TSkinManager::LoadSkinList() {
  ClearSkinList();
  ScanSkinsFolder(skins_, programFolder_);
}

bool TSkinManager::Listed(const TComponent* control) const {
  return std::any_of(controls_.begin(), controls_.end(), [control](const Entry& e) { return e.Component == control; });
}

bool TSkinManager::RegisterControl(TComponent* control) {
  if (control && !Listed(control)) controls_.push_back({control, dynamic_cast<TSkinClient*>(control)});
  return true;
}

void TSkinManager::UnregisterControl(TComponent* control) {
  std::erase_if(controls_, [control](const Entry& e) { return e.Component == control; });
}

void TSkinManager::SetSkinIndex(int32_t value) {
  if (value == skinIndex_ || value < -1 || value >= SkinCount()) return;
  skinIndex_ = value;
  // The skin is read once for the change, its information and every
  // component's definition alike (reading is most of a change's own time
  // under wine).
  TSkin skin = ReadSelectedSkin();
  TakeSkinInfo(skin);
  if (controls_.empty()) return;

  // A definition may run a component's handlers, and a handler may free
  // components, or the form that holds this manager: every pass walks a
  // copy of the list, skips what has withdrawn since, and stops when the
  // manager itself is gone.
  const TDestroyWatch alive(Life());
  auto pass = [&](const std::function<void(const Entry&)>& step) {
    const std::vector<Entry> snapshot = controls_;
    for (const Entry& entry : snapshot) {
      if (alive.Destroyed()) return false;
      if (Listed(entry.Component)) step(entry);
    }
    return !alive.Destroyed();
  };
  auto isForm = [](const Entry& e) { return e.Client && e.Client->SkinnedAsForm(); };
  auto isControl = [](const Entry& e) { return e.Client && !e.Client->SkinnedAsForm(); };

  if (!pass([&](const Entry& e) { if (isForm(e)) e.Client->HideForSkinChange(); })) return;
  if (!pass([&](const Entry& e) { if (isControl(e)) e.Client->HideForSkinChange(); })) return;
  // A definition that cannot be painted ends the change with its error, but
  // only after everything is shown again: a failed change must not leave the
  // program's windows hidden.
  std::exception_ptr failure;
  try {
    if (!pass([&](const Entry& e) {
          // A handler may have selected another skin in the middle of this
          // change; what is left gets that one, the skin selected now.
          if (skin.FileName() != SkinFileName()) skin = ReadSelectedSkin();
          UpdateControl(e.Component, skin);
        }))
      return;
  } catch (...) {
    failure = std::current_exception();
  }
  if (pass([&](const Entry& e) { if (isControl(e)) e.Client->ShowAfterSkinChange(); }))
    pass([&](const Entry& e) { if (isForm(e)) e.Client->ShowAfterSkinChange(); });
  if (failure) std::rethrow_exception(failure);
}

TSkin TSkinManager::ReadSelectedSkin() const {
  const std::string fileName = SkinFileName();
  return fileName.empty() ? ReadBaseSkin() : ReadSkinFile(fileName, programFolder_);
}

bool TSkinManager::UpdateControl(TComponent* control) {
  const std::optional<TNamedClient> named = Skinned(control);
  return named && Update(*named, ReadSelectedSkin());
}

bool TSkinManager::UpdateControl(TComponent* control, const TSkin& skin) {
  const std::optional<TNamedClient> named = Skinned(control);
  return named && Update(*named, skin);
}

std::optional<TSkinManager::TNamedClient> TSkinManager::Skinned(TComponent* control) {
  if (!control) return std::nullopt;
  TSkinClient* client = dynamic_cast<TSkinClient*>(control);
  std::string name = client ? client->ControlName() : std::string();
  if (name.empty()) {
    Trace(std::string(kSkinManagerUnknownControlTrace) + " (" + control->ClassName() + ")");
    return std::nullopt;
  }
  return TNamedClient{client, std::move(name)};
}

bool TSkinManager::Update(const TNamedClient& named, const TSkin& skin) {
  TSkinClient* client = named.Client;
  if (skin.IsBase()) Trace(kSkinManagerBaseSkinTrace);
  if (skin.Invalid()) return false;  // a file unusable since the scan: the control stays as it is
  // Read now, so that the reader's lines follow this component's line above.
  const TLoadedButton definition = skin.Definition(named.Name);
  if (!definition) {
    // A skin file that lacks the control hides it; the base skin leaves it as it is.
    if (!skin.IsBase()) client->SkinDefinitionMissing();
    return false;
  }
  client->ApplySkin(definition.Property);
  return true;
}

bool TSkinManager::LoadSkinInfo() { return TakeSkinInfo(ReadSelectedSkin()); }

bool TSkinManager::TakeSkinInfo(const TSkin& skin) {
  if (skin.IsBase()) Trace(kSkinManagerBaseSkinTrace);
  if (skin.Invalid()) return false;  // the previous skin's information stays
  info_ = skin.Info();
  return true;
}

std::string TSkinManager::SkinName() const {
  if (const TSkinNameItem* item = skins_.Items(skinIndex_)) return item->Name;
  if (skinIndex_ == -1) return SkinString(IDS_BASE_SKIN_DESCRIPTION);
  return std::string();
}

void TSkinManager::SetSkinName(const std::string& value) {
  if (value == SkinString(IDS_BASE_SKIN_SELECTOR)) {
    SelectBaseSkin();
    return;
  }
  const int index = value.empty() ? -1 : skins_.IndexOf(value);
  if (index >= 0) {
    SetSkinIndex(index);
  } else {
    SelectBaseSkin();
  }
}

std::string TSkinManager::SkinFileName() const {
  const TSkinNameItem* item = skins_.Items(skinIndex_);
  return item ? item->FileName : std::string();
}

}  // namespace nuvex
