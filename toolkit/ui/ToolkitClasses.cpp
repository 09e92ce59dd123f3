#include "toolkit/ui/ToolkitClasses.h"

#include "toolkit/resources/FormResources.h"
#include "toolkit/ui/ClassTable.h"
#include "toolkit/ui/Control.h"
#include "toolkit/ui/FileControls.h"
#include "toolkit/ui/Form.h"
#include "toolkit/ui/Image.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/StdControls.h"
#include "toolkit/ui/WinControl.h"

namespace nuvex {

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
         static_cast<TControl&>(t).SetAnchors(FlagsValue<TAnchors>(v, kNames, "anchor"));
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

void AddToolkitClasses(TClassRegistry& classes) {
  classes.Add(ControlClass());
  classes.Add({"TGraphicControl", "TControl", Maker<TGraphicControl>(), {}});
  classes.Add(WinControlClass("TWinControl", "TControl", Maker<TWinControl>()));
  classes.Add(WinControlClass("TCustomControl", "TWinControl", Maker<TCustomControl>()));
  classes.Add(LabelClass());
  classes.Add(ImageClass());
  classes.Add(FormClass());
  classes.Add(ButtonClass());
  classes.Add(EditClass());
  classes.Add(DirectoryListBoxClass());
  classes.Add(DriveComboBoxClass());
}

}  // namespace nuvex
