// The form-description reader: the bytes parsed by ParseFormText, and a
// description of one of the program's forms (TForm, TRunInstallForm,
// TChooseDirForm, TRegionedForm) read by ReadForm into a form with the
// headless backend, with the skin and control classes and the two installer
// windows' handler names; a regioned form then completes its creation
// (AfterConstruction), the form's windows are made and the form is freed.  Error with the place
// ("fuzz.nfd:<line>: ...") and the reason is the reader's clear refusal; an
// error without the place, or one that tells of a fault of the component
// model itself (a control placed on itself, a component inserted into
// another owner), is a finding.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/Error.h"
#include "controls/ControlClasses.h"
#include "fuzz/FuzzSupport.h"
#include "skin/RegionedForm.h"
#include "skin/SkinClasses.h"
#include "toolkit/formats/FormText.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/FormReader.h"

namespace {

class TFuzzForm : public nuvex::TForm {
 public:
  TFuzzForm(nuvex::TComponent* owner, std::string className) : TForm(owner), className_(std::move(className)) {}
  std::string ClassName() const override { return className_; }

 private:
  std::string className_;
};

struct Setting {
  Setting() {
    nuvex::AddSkinClasses(classes);
    nuvex::AddControlClasses(classes);
    classes.Add({"TRunInstallForm", "TForm", nullptr, {}});
    classes.Add({"TChooseDirForm", "TForm", nullptr, {}});
    for (const char* name : {"btRunInstallClick", "bbInstallDirectXWin98Click", "bbInstallDirectX_Win2000Click",
                             "laFolderBackgndClick", "FormCreate", "DirectoryListBoxChange", "btOkClick",
                             "btCancelClick"})
      handlers.Add<nuvex::TNotifyEvent>(name, nuvex::TNotifyEvent([](nuvex::TObject*) {}));
    handlers.Add<nuvex::TKeyEventHandler>("FormKeyUp",
                                          nuvex::TKeyEventHandler([](nuvex::TObject*, uint16_t&, nuvex::TShiftState) {}));
  }
  nuvex::TClassRegistry classes;
  nuvex::THandlerTable handlers;
};

// A refusal of the description, not a fault of the reader.  A refusal may
// quote the description, so a fault's words count only when the description
// does not hold them itself.
void ExpectRefusal(const nuvex::Error& e, std::string_view description) {
  const std::string message = e.what();
  if (message.rfind("fuzz.nfd:", 0) != 0) __builtin_trap();
  for (std::string_view fault : {"placed on itself", "inserted into its owner", "visible window modal"})
    if (message.find(fault) != std::string::npos && description.find(fault) == std::string_view::npos)
      __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const Setting setting;
  nuvex::TFormObject description;
  try {
    description = nuvex::ParseFormText(nuvex::fuzz::AsText(data, size), "fuzz.nfd");
  } catch (const nuvex::Error& e) {
    ExpectRefusal(e, nuvex::fuzz::AsText(data, size));
    return 0;
  }
  const std::string& root = description.ClassName;
  try {
    if (nuvex::SameTextAscii(root, "TRegionedForm")) {
      auto form = std::make_unique<nuvex::TRegionedForm>(nullptr);
      nuvex::ReadForm(*form, description, setting.classes, setting.handlers, "fuzz.nfd");
      form->AfterConstruction();
      form->HandleNeeded();
    } else if (nuvex::SameTextAscii(root, "TForm") || nuvex::SameTextAscii(root, "TRunInstallForm") ||
               nuvex::SameTextAscii(root, "TChooseDirForm")) {
      auto form = std::make_unique<TFuzzForm>(nullptr, root);
      nuvex::ReadForm(*form, description, setting.classes, setting.handlers, "fuzz.nfd");
      form->HandleNeeded();
    }
  } catch (const nuvex::Error& e) {
    ExpectRefusal(e, nuvex::fuzz::AsText(data, size));
  }
  return 0;
}
