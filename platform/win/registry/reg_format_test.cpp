#include "platform/win/registry/reg_format.h"

#include <gtest/gtest.h>

namespace win::registry {
namespace {

std::string TextOf(const Value* value) {
  return value ? std::string(value->data.begin(), value->data.end()) : "<missing>";
}

TEST(RegFormat, ReadsWhatTheRegistryEditorWrites) {
  std::string text =
      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
      "\r\n"
      "; settings of the plug-in\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Ostrivo for AutoCad]\r\n"
      "\"CfgDir\"=\"c:\\\\Ostrivo\"\r\n"
      "@=\"default\"\r\n"
      "\"Count\" = dword:0000000A\r\n"
      "\"Blob\"=hex:01,02,\\\r\n"
      "  03\r\n"
      "\"Multi\"=hex(7):61,00,00\r\n";
  Tree tree;
  std::string error;
  ASSERT_TRUE(ParseRegText(text, tree, error)) << error;
  const Key* key = tree.Find("hkey_local_machine\\software\\velmora\\ostrivo for autocad");
  ASSERT_NE(nullptr, key);
  EXPECT_EQ("c:\\Ostrivo", TextOf(key->FindValue("cfgdir")));
  EXPECT_EQ("default", TextOf(key->FindValue("")));
  EXPECT_EQ((std::vector<BYTE>{10, 0, 0, 0}), key->FindValue("Count")->data);
  EXPECT_EQ((std::vector<BYTE>{1, 2, 3}), key->FindValue("Blob")->data);
  EXPECT_EQ(7u, key->FindValue("Multi")->type);
  EXPECT_TRUE(tree.Exists("HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora"));  // ancestors exist too
}

TEST(RegFormat, FormattedTextReadsBackTheSame) {
  Tree tree;
  Key& key = tree.Create("HKEY_CURRENT_USER\\Software\\Velmora\\VellumEdit\\Find");
  std::string tricky = "a \"b\" \\c\\\nd\re\t한글";
  key.SetValue({"What", kTypeString, std::vector<BYTE>(tricky.begin(), tricky.end())});
  key.SetValue({"Flags", kTypeDword, {1, 2, 3, 4}});
  key.SetValue({"", kTypeBinary, {}});
  std::string text = FormatRegText(tree);
  EXPECT_NE(std::string::npos, text.find("\"Flags\"=dword:04030201\n"));
  EXPECT_NE(std::string::npos, text.find("@=hex:\n"));

  Tree reread;
  std::string error;
  ASSERT_TRUE(ParseRegText(text, reread, error)) << error;
  EXPECT_EQ(text, FormatRegText(reread));
  EXPECT_EQ(tricky, TextOf(reread.Find(key.path)->FindValue("What")));
}

TEST(RegFormat, KeysWithoutValuesAreWrittenOnlyWhereNoSubkeyMakesThemAgain) {
  Tree tree;
  tree.Create("HKEY_CURRENT_USER\\Software\\Velmora\\Ostrivo\\Settings").SetValue({"Tol", kTypeDword, {1, 0, 0, 0}});
  tree.Create("HKEY_CURRENT_USER\\Software\\Velmora\\Empty");
  tree.Create("HKEY_CURRENT_USER").SetValue({"", kTypeString, {'r'}});
  const std::string text = FormatRegText(tree);
  EXPECT_EQ(
      "Windows Registry Editor Version 5.00\n"
      "\n[HKEY_CURRENT_USER]\n@=\"r\"\n"
      "\n[HKEY_CURRENT_USER\\Software\\Velmora\\Empty]\n"
      "\n[HKEY_CURRENT_USER\\Software\\Velmora\\Ostrivo\\Settings]\n\"Tol\"=dword:00000001\n",
      text);

  Tree reread;
  std::string error;
  ASSERT_TRUE(ParseRegText(text, reread, error)) << error;
  EXPECT_TRUE(reread.Exists("HKEY_CURRENT_USER\\Software\\Velmora\\Ostrivo"));
  EXPECT_EQ((std::vector<std::string>{"Empty", "Ostrivo"}), reread.SubkeyNames("HKEY_CURRENT_USER\\Software\\Velmora"));
  EXPECT_EQ(text, FormatRegText(reread));
}

TEST(RegFormat, DamageIsToldWithItsLine) {
  struct Case {
    const char* text;
    const char* error;
  };
  const char* header = "Windows Registry Editor Version 5.00\n";
  for (const Case& c : {
           Case{"REGEDIT4\n", "line 1: the first line is not"},
           Case{"\n[HKEY_LOCAL_MACHINE\\X\n", "line 3: a key section without"},
           Case{"[HKEY_NOWHERE\\X]\n", "line 2: \"HKEY_NOWHERE\\X\" is not a key path"},
           Case{"[HKEY_LOCAL_MACHINE\\\\X]\n", "is not a key path"},
           Case{"\"A\"=\"b\"\n", "line 2: a value outside any [key] section"},
           Case{"[HKEY_CURRENT_USER]\n\"A\"=dword:123456789\n", "line 3: the data of value \"A\""},
           Case{"[HKEY_CURRENT_USER]\n\"A\"=\"open\n", "line 3: the data of value \"A\""},
           Case{"[HKEY_CURRENT_USER]\n\"A\"=\"bad \\q\"\n", "line 3: the data"},
           Case{"[HKEY_CURRENT_USER]\n\"A\"=hex:1,2\n", "line 3: the data"},
           Case{"[HKEY_CURRENT_USER]\n\"A\"=-\n", "line 3: the data"},
           Case{"[HKEY_CURRENT_USER]\n\"A\"\n", "line 3: a value name without '='"},
           Case{"[HKEY_CURRENT_USER]\ngarbage\n", "line 3: neither"},
       }) {
    std::string text = c.text[0] == 'R' ? c.text : header + std::string(c.text);
    Tree tree;
    std::string error;
    EXPECT_FALSE(ParseRegText(text, tree, error)) << text;
    EXPECT_NE(std::string::npos, error.find(c.error)) << text << " gave: " << error;
  }
  std::string deep = std::string(header) + "[HKEY_CURRENT_USER";
  for (std::size_t level = 0; level <= kMaxKeyDepth; ++level) deep += "\\k";
  Tree deep_tree;
  std::string deep_error;
  EXPECT_FALSE(ParseRegText(deep + "]\n", deep_tree, deep_error));
  EXPECT_EQ("line 2: a key deeper than 512 levels", deep_error);

  Tree tree;
  std::string error;
  EXPECT_TRUE(ParseRegText(" \n\n", tree, error));
  EXPECT_TRUE(tree.keys().empty());
}

}  // namespace
}  // namespace win::registry
