#include "toolkit/ui/FormReader.h"

#include "toolkit/ui/Control.h"
#include "toolkit/ui/FileControls.h"
#include "toolkit/resources/FormResources.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/Image.h"
#include "toolkit/ui/StdControls.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

// ---- values ----

namespace property {

void WrongKind(const char* expected) { throw Error(std::string("expected ") + expected); }

const TFormValue& Expect(const TFormValue& value, TFormValueKind kind, const char* expected) {
  if (value.Kind != kind) WrongKind(expected);
  return value;
}

int IntegerValue(const TFormValue& value) {
  Expect(value, TFormValueKind::Integer, "a number");
  if (value.Integer < INT32_MIN || value.Integer > INT32_MAX) throw Error("number out of range");
  return static_cast<int>(value.Integer);
}

bool BooleanValue(const TFormValue& value) {
  const std::string& name = Expect(value, TFormValueKind::Name, "true or false").Text;
  if (SameTextAscii(name, "true")) return true;
  if (SameTextAscii(name, "false")) return false;
  WrongKind("true or false");
}

TColor ColorValue(const TFormValue& value) {
  if (value.Kind == TFormValueKind::Integer) {
    // Written as the 32-bit pattern: 0x8000000F is clBtnFace.
    if (value.Integer < INT32_MIN || value.Integer > UINT32_MAX) throw Error("number out of range");
    return static_cast<TColor>(static_cast<uint32_t>(value.Integer));
  }
  static const std::pair<const char*, TColor> kNames[] = {
      {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
      {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
      {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
      {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
      {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
      {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
      {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
      {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder},
      {"clInactiveBorder", clInactiveBorder}, {"clAppWorkSpace", clAppWorkSpace},
      {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
      {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
      {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
      {"clInfoBk", clInfoBk},
  };
  const std::string& name = Expect(value, TFormValueKind::Name, "a colour").Text;
  for (const auto& [text, colour] : kNames)
    if (SameTextAscii(text, name)) return colour;
  throw Error("unknown colour " + name);
}

uint8_t FontStyleValue(const TFormValue& value) {
  static const std::pair<const char*, uint8_t> kNames[] = {
      {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
  uint8_t style = 0;
  for (const std::string& item : Expect(value, TFormValueKind::Set, "a set").Items) {
    bool known = false;
    for (const auto& [text, bit] : kNames) {
      if (SameTextAscii(text, item)) {
        style |= bit;
        known = true;
      }
    }
    if (!known) throw Error("unknown font style " + item);
  }
  return style;
}

}  // namespace property

// ---- the registry ----

namespace {

// A setter of one field of a control's font.
template <typename Change>
TPropertySetter FontField(Change change) {
  return [change](TComponent& t, const TFormValue& v, TFormReading&) {
    TControl& control = static_cast<TControl&>(t);
    TFont font = control.Font();
    change(font, v);
    control.SetFont(font);
  };
}

template <typename C>
std::function<std::unique_ptr<TComponent>(TComponent&)> Maker() {
  return [](TComponent& owner) -> std::unique_ptr<TComponent> { return std::make_unique<C>(&owner); };
}

TComponentClass ControlClass() {
  using namespace property;
  TComponentClass c{"TControl", "", nullptr, {}};
  c.Properties = {
      {"Left", Integer(&TControl::SetLeft)},
      {"Top", Integer(&TControl::SetTop)},
      {"Width", Integer(&TControl::SetWidth)},
      {"Height", Integer(&TControl::SetHeight)},
      {"Caption", Text(&TControl::SetCaption)},
      {"Visible", Boolean(&TControl::SetVisible)},
      {"Enabled", Boolean(&TControl::SetEnabled)},
      {"Color", Colour(&TControl::SetColor)},
      {"Hint", Text(&TControl::SetHint)},
      {"ShowHint", Boolean(&TControl::SetShowHint)},
      {"ParentShowHint", Boolean(&TControl::SetParentShowHint)},
      {"ParentFont", Boolean(&TControl::SetParentFont)},
      {"Anchors", [](TComponent& t, const TFormValue& v, TFormReading&) {
         static const std::pair<const char*, TAnchors> kNames[] = {
             {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};
         TAnchors anchors = 0;
         for (const std::string& item : Expect(v, TFormValueKind::Set, "a set").Items) {
           const auto* found = std::find_if(std::begin(kNames), std::end(kNames),
                                            [&](const auto& n) { return SameTextAscii(n.first, item); });
           if (found == std::end(kNames)) throw Error("unknown anchor " + item);
           anchors |= found->second;
         }
         static_cast<TControl&>(t).SetAnchors(anchors);
       }},
      {"Cursor", Enumeration(&TControl::SetCursor, std::vector<std::pair<std::string, TCursor>>{
                                                       {"crDefault", crDefault},
                                                       {"crArrow", crArrow},
                                                       {"crHandPoint", crHandPoint}})},
      {"Font.Name", FontField([](TFont& f, const TFormValue& v) { f.Name = Expect(v, TFormValueKind::Text, "a text").Text; })},
      {"Font.Size", FontField([](TFont& f, const TFormValue& v) { f.Size = IntegerValue(v); })},
      // A negative height is the characters' height in pixels (at 96 dots an inch).
      {"Font.Height", FontField([](TFont& f, const TFormValue& v) {
         const int height = IntegerValue(v);
         if (height >= 0 || height < -1000) throw Error("a font height is a negative number of pixels");
         f.Size = (-height * 72 + 48) / 96;
       })},
      {"Font.Color", FontField([](TFont& f, const TFormValue& v) { f.Color = ColorValue(v); })},
      {"Font.Style", FontField([](TFont& f, const TFormValue& v) { f.Style = FontStyleValue(v); })},
      {"OnClick", Handler(&TControl::OnClick)},
      {"OnDblClick", Handler(&TControl::OnDblClick)},
      {"OnMouseDown", Handler(&TControl::OnMouseDown)},
      {"OnMouseUp", Handler(&TControl::OnMouseUp)},
      {"OnMouseMove", Handler(&TControl::OnMouseMove)},
      {"OnMouseEnter", Handler(&TControl::OnMouseEnter)},
      {"OnMouseLeave", Handler(&TControl::OnMouseLeave)},
      {"OnResize", Handler(&TControl::OnResize)},
      {"DragMode", Enumeration(&TControl::SetDragMode, std::vector<std::pair<std::string, TDragMode>>{
                                                           {"dmManual", dmManual}, {"dmAutomatic", dmAutomatic}})},
      {"OnDragOver", Handler(&TControl::OnDragOver)},
      {"OnDragDrop", Handler(&TControl::OnDragDrop)},
      {"OnStartDrag", Handler(&TControl::OnStartDrag)},
      {"OnEndDrag", Handler(&TControl::OnEndDrag)},
      {"Align", Enumeration(&TControl::SetAlign, std::vector<std::pair<std::string, TAlign>>{
                                                     {"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom},
                                                     {"alLeft", alLeft}, {"alRight", alRight}, {"alClient", alClient}})},
  };
  return c;
}

TComponentClass WinControlClass(const char* name, const char* parent,
                                std::function<std::unique_ptr<TComponent>(TComponent&)> make) {
  using namespace property;
  TComponentClass c{name, parent, std::move(make), {}};
  if (std::string(name) == "TWinControl") {
    c.Properties = {
        {"TabStop", Boolean(&TWinControl::SetTabStop)},
        {"TabOrder", Integer(&TWinControl::SetTabOrder)},
        {"KeyPreview", Boolean(&TWinControl::SetKeyPreview)},
        {"ClientWidth", [](TComponent& t, const TFormValue& v, TFormReading&) {
           auto& w = static_cast<TWinControl&>(t);
           w.SetClientSize(IntegerValue(v), w.ClientHeight());
         }},
        {"ClientHeight", [](TComponent& t, const TFormValue& v, TFormReading&) {
           auto& w = static_cast<TWinControl&>(t);
           w.SetClientSize(w.ClientWidth(), IntegerValue(v));
         }},
        {"OnKeyDown", Handler(&TWinControl::OnKeyDown)},
        {"OnKeyUp", Handler(&TWinControl::OnKeyUp)},
        {"OnEnter", Handler(&TWinControl::OnEnter)},
        {"OnExit", Handler(&TWinControl::OnExit)},
    };
  }
  return c;
}

TComponentClass LabelClass() {
  using namespace property;
  TComponentClass c{"TLabel", "TControl", Maker<TLabel>(), {}};
  c.Properties = {
      {"AutoSize", Boolean(&TLabel::SetAutoSize)},
      {"WordWrap", Boolean(&TLabel::SetWordWrap)},
      {"Transparent", Boolean(&TLabel::SetTransparent)},
      {"Alignment", Enumeration(&TLabel::SetAlignment, std::vector<std::pair<std::string, TAlignment>>{
                                                           {"taLeftJustify", taLeftJustify},
                                                           {"taRightJustify", taRightJustify},
                                                           {"taCenter", taCenter}})},
      {"Layout", Enumeration(&TLabel::SetLayout, std::vector<std::pair<std::string, TTextLayout>>{
                                                     {"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})},
  };
  return c;
}

TComponentClass ImageClass() {
  using namespace property;
  TComponentClass c{"TImage", "TControl", Maker<TImage>(), {}};
  c.Properties = {
      {"AutoSize", Boolean(&TImage::SetAutoSize)},
      {"Stretch", Boolean(&TImage::SetStretch)},
      {"Picture", [](TComponent& t, const TFormValue& v, TFormReading&) {
         static_cast<TImage&>(t).SetPicture(LoadPictureResource(Expect(v, TFormValueKind::Picture, "a picture").Text));
       }},
  };
  return c;
}

std::vector<std::pair<std::string, TModalResult>> ModalResultNames() {
  return {{"mrNone", mrNone}, {"mrOk", mrOk}, {"mrCancel", mrCancel}};
}

TComponentClass FormClass() {
  using namespace property;
  TComponentClass c{"TForm", "TCustomControl", Maker<TForm>(), {}};
  c.Properties = {
      {"BorderStyle", Enumeration(&TForm::SetBorderStyle, std::vector<std::pair<std::string, TFormBorderStyle>>{
                                                              {"bsNone", bsNone}, {"bsSingle", bsSingle},
                                                              {"bsSizeable", bsSizeable}, {"bsDialog", bsDialog}})},
      {"Position", Enumeration(&TForm::SetPosition, std::vector<std::pair<std::string, TPosition>>{
                                                        {"poDesigned", poDesigned}, {"poScreenCenter", poScreenCenter}})},
      {"OnCreate", Handler(&TForm::OnCreate)},
      {"OnShow", Handler(&TForm::OnShow)},
  };
  return c;
}

TComponentClass ButtonClass() {
  using namespace property;
  TComponentClass c{"TButton", "TWinControl", Maker<TButton>(), {}};
  c.Properties = {{"ModalResult", Enumeration(&TButton::SetModalResult, ModalResultNames())}};
  return c;
}

TComponentClass EditClass() {
  using namespace property;
  TComponentClass c{"TEdit", "TWinControl", Maker<TEdit>(), {}};
  c.Properties = {{"Text", Text(&TEdit::SetText)}, {"OnChange", Handler(&TEdit::OnChange)}};
  return c;
}

TComponentClass DirectoryListBoxClass() {
  using namespace property;
  TComponentClass c{"TDirectoryListBox", "TWinControl", Maker<TDirectoryListBox>(), {}};
  c.Properties = {{"ItemHeight", Integer(&TDirectoryListBox::SetItemHeight)},
                  {"OnChange", Handler(&TDirectoryListBox::OnChange)}};
  return c;
}

TComponentClass DriveComboBoxClass() {
  using namespace property;
  TComponentClass c{"TDriveComboBox", "TWinControl", Maker<TDriveComboBox>(), {}};
  c.Properties = {{"DirList", Reference(&TDriveComboBox::SetDirList)}};
  return c;
}

}  // namespace

TClassRegistry::TClassRegistry() {
  Add(ControlClass());
  Add({"TGraphicControl", "TControl", Maker<TGraphicControl>(), {}});
  Add(WinControlClass("TWinControl", "TControl", Maker<TWinControl>()));
  Add(WinControlClass("TCustomControl", "TWinControl", Maker<TCustomControl>()));
  Add(LabelClass());
  Add(ImageClass());
  Add(FormClass());
  Add(ButtonClass());
  Add(EditClass());
  Add(DirectoryListBoxClass());
  Add(DriveComboBoxClass());
}

void TClassRegistry::Add(TComponentClass componentClass) {
  std::string key = UpperAscii(componentClass.Name);
  classes_[key] = std::move(componentClass);
}

const TComponentClass* TClassRegistry::Find(std::string_view name) const {
  const auto it = classes_.find(UpperAscii(name));
  return it == classes_.end() ? nullptr : &it->second;
}

const TPropertySetter* TClassRegistry::FindProperty(const TComponentClass& componentClass,
                                                    std::string_view property) const {
  // A chain of inheritance is short; a cycle written by mistake stops at 32.
  const TComponentClass* c = &componentClass;
  for (int depth = 0; c && depth < 32; ++depth) {
    for (const auto& [name, setter] : c->Properties)
      if (SameTextAscii(name, property)) return &setter;
    c = c->Parent.empty() ? nullptr : Find(c->Parent);
  }
  return nullptr;
}

const std::any* THandlerTable::Find(std::string_view name) const {
  const auto it = handlers_.find(UpperAscii(name));
  return it == handlers_.end() ? nullptr : &it->second;
}

TComponent* TFormReading::FindComponent(std::string_view name) const {
  if (SameTextAscii(root_.Name(), name)) return &root_;
  return root_.FindComponent(name);
}

// ---- the reader ----

class TFormReader {
 public:
  TFormReader(TFormReading& reading, const TClassRegistry& classes, const std::string& source,
              const std::string& formName)
      : reading_(reading), classes_(classes), source_(source), formName_(formName) {}

  void Object(TComponent& component, const TComponentClass& componentClass, const TFormObject& object) {
    for (const TFormProperty& property : object.Properties) {
      reading_.place_ = Place(property.Line, object.Name, property.Name);
      const TPropertySetter* setter = classes_.FindProperty(componentClass, property.Name);
      try {
        if (!setter) throw Error("unknown property of " + componentClass.Name);
        (*setter)(component, property.Value, reading_);
      } catch (const Error& e) {
        throw Error(reading_.place_ + ": " + e.what());
      }
    }
    for (const TFormObject& child : object.Children) Child(component, child);
  }

  void Fixups() {
    for (const TFormReading::Deferred& d : reading_.deferred_) {
      try {
        d.Fix();
      } catch (const Error& e) {
        throw Error(d.Place + ": " + e.what());
      }
    }
  }

 private:
  std::string Place(int line, const std::string& component, const std::string& property) const {
    std::string place = source_ + ":" + std::to_string(line) + ": " + formName_;
    if (component != formName_) place += "." + component;
    if (!property.empty()) place += "." + property;
    return place;
  }

  void Child(TComponent& enclosing, const TFormObject& object) {
    const std::string where = Place(object.Line, object.Name, "");
    const TComponentClass* componentClass = classes_.Find(object.ClassName);
    if (!componentClass || !componentClass->Create) throw Error(where + ": unknown class " + object.ClassName);
    if (reading_.FindComponent(object.Name)) throw Error(where + ": a component named " + object.Name + " exists");
    TComponent& root = reading_.Root();
    std::unique_ptr<TComponent> made = componentClass->Create(root);
    TComponent& component = *made;
    component.SetName(object.Name);
    root.InsertComponent(std::move(made));
    if (auto* control = dynamic_cast<TControl*>(&component)) {
      if (auto* parent = dynamic_cast<TWinControl*>(&enclosing)) control->SetParent(parent);
    }
    Object(component, *componentClass, object);
  }

  TFormReading& reading_;
  const TClassRegistry& classes_;
  const std::string& source_;
  const std::string& formName_;
};

void ReadForm(TComponent& root, const TFormObject& description, const TClassRegistry& classes,
              const THandlerTable& handlers, const std::string& source) {
  const std::string where = source + ":" + std::to_string(description.Line) + ": " + description.Name;
  if (!SameTextAscii(description.ClassName, root.ClassName()))
    throw Error(where + ": the description is of class " + description.ClassName + ", the form is a " +
                root.ClassName());
  const TComponentClass* rootClass = classes.Find(description.ClassName);
  if (!rootClass) throw Error(where + ": unknown class " + description.ClassName);
  root.SetName(description.Name);
  TFormReading reading(root, handlers);
  TFormReader reader(reading, classes, source, description.Name);
  LoadComponent(root, [&] {
    reader.Object(root, *rootClass, description);
    reader.Fixups();
  });
}

}  // namespace nuvex
