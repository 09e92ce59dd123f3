#pragma once
// The text of a stored form description, read into a tree: the form and its
// components, each with its class, its name, its properties in the order
// written and the components that stand on it.  What the names and values
// mean is the form reader's business (toolkit/ui); this is the syntax alone.
//
//   // a comment runs to the end of the line
//   TChooseDirForm ChooseDirForm {
//     Caption = "Wybierz folder"
//     Font.Style = [fsBold, fsItalic]
//     Color = clBtnFace
//     TLabel laFolder {
//       Left = -8
//       Picture = picture("Background")
//     }
//   }
//
// Values: integers (decimal, or hexadecimal after "0x"), texts in double
// quotes (bytes of the system code page; \" \\ and \xNN escape), names
// (colours, enumerations, booleans, references to components, handlers),
// sets of names in brackets, and picture("resource name").
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nuvex {

enum class TFormValueKind : uint8_t { Integer, Text, Name, Set, Picture };

struct TFormValue {
  TFormValueKind Kind = TFormValueKind::Integer;
  int64_t Integer = 0;
  std::string Text;               // Text, Name, Picture
  std::vector<std::string> Items;  // Set
};

struct TFormProperty {
  std::string Name;  // may be dotted: "Font.Style"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  std::string ClassName;
  std::string Name;
  int Line = 0;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
};

// Reads one description; raises Error("<source>:<line>: <reason>") for text
// that is not a description.  Nesting deeper than 64 levels is refused.
TFormObject ParseFormText(std::string_view text, const std::string& source);

}  // namespace nuvex
