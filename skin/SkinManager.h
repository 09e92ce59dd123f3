#pragma once
// TSkinManager: the skins found in the skins folder, the selected one and
// its information, and the skinned components that follow it.
//
// SkinIndex: -2 before any selection (never again after), -1 the base skin,
// 0 .. SkinCount-1 a listed skin file.  Selecting another skin hides the
// registered forms, then the controls; gives each its definition from the
// selected skin; shows the controls as they wish and the skin allows; and
// shows the forms.  Components register through their own manager
// property; registering does not skin them.  While a skin file is selected a
// control it does not define is hidden; under the base skin such a control
// keeps its look.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "skin/SkinClient.h"
#include "skin/SkinDescription.h"
#include "skin/SkinManagerLink.h"
#include "skin/SkinNameList.h"

namespace nuvex {

class TSkin;

inline constexpr const char* kSkinManagerBaseSkinTrace =
    "[TSkinManager.UpdateControl] Trying to load skin from resources";
inline constexpr const char* kSkinManagerUnknownControlTrace = "[TSkinManager.UpdateControl] Error: Unknown AControl";

class TSkinManager : public TSkinManagerLink {
 public:
  // Scans the skins folder of programFolder (ending with "\"): the running
  // program's folder unless a test says otherwise.
  explicit TSkinManager(TComponent* owner, std::string programFolder = ProgramFolder());
  // Empties both lists; the registered components keep their look.
  ~TSkinManager() override;
  std::string ClassName() const override { return "TSkinManager"; }

  int32_t SkinIndex() const { return skinIndex_; }
  // Ignored when equal to the index, below -1 or not below SkinCount.
  void SetSkinIndex(int32_t value);
  void SelectBaseSkin() { SetSkinIndex(-1); }
  // The listed skin's Name; the base skin's description at -1; empty at -2.
  std::string SkinName() const;
  // The base skin's selector text, an empty or unlisted name: the base skin;
  // otherwise the first listed skin of that name.
  void SetSkinName(const std::string& value);
  // The listed skin's file; empty for the base skin and before a selection.
  std::string SkinFileName() const;

  int SkinCount() const { return skins_.Count(); }
  const TSkinNameList& Skins() const { return skins_; }
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TComponent* Controls(int index) const { return controls_.at(index).Component; }

  // The selected skin's information; all empty (version 0) before a selection.
  const TSkinDescription& Info() const { return info_; }

  // Empties the skin list and scans the skins folder again.
  void LoadSkinList();
  // Appends the component unless it is listed; true.
  bool RegisterControl(TComponent* control) override;
  void UnregisterControl(TComponent* control) override;
  // Gives one component its definition from the selected skin; true when
  // one was applied.  A component that is no skinned kind, or has no name,
  // writes an error line and gets nothing.
  bool UpdateControl(TComponent* control);
  // The same with the definition skin reads for the component's name: a
  // skin file that lacks it hides the component, the base skin leaves it as
  // it is.
  bool UpdateControl(TComponent* control, const TSkin& skin);
  // Copies the selected skin's information; false (and the previous
  // information stays) when the skin file cannot be read.
  bool LoadSkinInfo();
  void ClearSkinList() { skins_.Clear(); }
  void ClearControls() { controls_.clear(); }

 private:
  struct Entry {
    TComponent* Component;
    TSkinClient* Client;  // nullptr for a component of no skinned kind
  };
  bool Listed(const TComponent* control) const;
  // A skinned component and its name in a skin.
  struct TNamedClient {
    TSkinClient* Client;
    std::string Name;
  };
  // The selected skin.
  TSkin ReadSelectedSkin() const;
  // Copies skin's information, as LoadSkinInfo.
  bool TakeSkinInfo(const TSkin& skin);
  // Nothing (and an error line) for a component of no skinned kind or
  // without a name.
  static std::optional<TNamedClient> Skinned(TComponent* control);
  // Gives the component the definition skin reads for its name.
  bool Update(const TNamedClient& named, const TSkin& skin);

  std::string programFolder_;
  TSkinNameList skins_;
  int32_t skinIndex_ = -2;
  std::vector<Entry> controls_;
  TSkinDescription info_;
};

}  // namespace nuvex
