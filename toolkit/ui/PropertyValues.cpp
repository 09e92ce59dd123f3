#include "toolkit/ui/PropertyValues.h"

#include <cstdint>

namespace nuvex::property {

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
  if (const TColor* colour = FindNamed(kNames, name)) return *colour;
  throw Error("unknown colour " + name);
}

uint8_t FontStyleValue(const TFormValue& value) {
  static const std::pair<const char*, uint8_t> kNames[] = {
      {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
  return FlagsValue<uint8_t>(value, kNames, "font style");
}

}  // namespace nuvex::property
