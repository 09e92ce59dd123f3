// The syntax of stored form descriptions: what is read, and the file:line
// errors for text that is not a description.
#include <gtest/gtest.h>

#include "base/Error.h"
#include "tests/support/TestSupport.h"
#include "toolkit/formats/FormText.h"

namespace nuvex {
namespace {

TEST(FormText, ReadsClassesNamesPropertiesAndNesting) {
  const TFormObject form = ParseFormText(
      "// the dialog\n"
      "TChooseDirForm ChooseDirForm {\n"
      "  Left = -12   Top = 0x1F\n"
      "  Caption = \"Wybierz \\\"folder\\\" \\xB3\\\\\"\n"
      "  Font.Style = [fsBold, fsItalic]\n"
      "  Anchors = []\n"
      "  Color = clBtnFace\n"
      "  TPanel Panel1 {\n"
      "    TImage Image1 { Picture = picture( \"Background\" ) }\n"
      "  }\n"
      "  TButton btOk {}\n"
      "}\n",
      "dialog.nfd");
  EXPECT_EQ(form.ClassName, "TChooseDirForm");
  EXPECT_EQ(form.Name, "ChooseDirForm");
  EXPECT_EQ(form.Line, 2);
  ASSERT_EQ(form.Properties.size(), 6u);
  EXPECT_EQ(form.Properties[0].Value.Integer, -12);
  EXPECT_EQ(form.Properties[1].Value.Integer, 31);
  EXPECT_EQ(form.Properties[1].Line, 3);
  EXPECT_EQ(form.Properties[2].Value.Kind, TFormValueKind::Text);
  EXPECT_EQ(form.Properties[2].Value.Text, "Wybierz \"folder\" \xB3\\");
  EXPECT_EQ(form.Properties[3].Name, "Font.Style");
  EXPECT_EQ(form.Properties[3].Value.Items, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(form.Properties[4].Value.Kind, TFormValueKind::Set);
  EXPECT_TRUE(form.Properties[4].Value.Items.empty());
  EXPECT_EQ(form.Properties[5].Value.Kind, TFormValueKind::Name);
  ASSERT_EQ(form.Children.size(), 2u);
  EXPECT_EQ(form.Children[0].Children[0].Properties[0].Value.Kind, TFormValueKind::Picture);
  EXPECT_EQ(form.Children[0].Children[0].Properties[0].Value.Text, "Background");
  EXPECT_EQ(form.Children[0].Children[0].Line, 9);
  EXPECT_EQ(form.Children[1].Name, "btOk");
}

TEST(FormText, BadTextNamesItsSourceAndLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"TForm F {\n  Left = \n}\n", "f.nfd:3: expected a value"},
      {"TForm F {\n  Caption = \"open\n}\n", "f.nfd:2: text not closed on its line"},
      {"TForm F {\n  Left = 12px\n}\n", "f.nfd:2: expected a number"},
      {"TForm F {\n  Left = 99999999999\n}\n", "f.nfd:2: number too large"},
      {"TForm F {\n  TLabel L {\n", "f.nfd:3: \"}\" missing for L"},
      {"TForm F {}\n}\n", "f.nfd:2: text after the end of the form"},
      {"TForm {}\n", "f.nfd:1: expected a component name"},
      {"TForm F { S = [a b] }", "f.nfd:1: expected \",\" or \"]\" in a set"},
      {"TForm F { C = \"\\q\" }", "f.nfd:1: unknown escape in a text"},
      {"", "f.nfd:1: expected a class name"},
  };
  for (const auto& [text, message] : cases) {
    EXPECT_EQ(test::MessageOf<Error>([&] { ParseFormText(text, "f.nfd"); }), message) << text;
  }
}

TEST(FormText, DeepNestingIsRefusedNotOverflowed) {
  std::string text;
  for (int i = 0; i < 100000; ++i) text += "TPanel P {\n";
  EXPECT_THROW(ParseFormText(text, "deep.nfd"), Error);
}

}  // namespace
}  // namespace nuvex
