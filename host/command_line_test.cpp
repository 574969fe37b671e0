// The command line and the reading of typed command names.
#include <gtest/gtest.h>

#include "host/command_line_options.h"
#include "host/command_loop.h"
#include "host/command_name.h"
#include "host/commands/builtin_commands.h"
#include "platform/cad/editor/aced_command_stack.h"

namespace host {
namespace {

std::string Parse(std::vector<std::string> args, CommandLineOptions& options) {
  return ParseCommandLine(args, options);
}

TEST(CommandLine, TakesScriptPluginsInOrderAndOneDrawing) {
  CommandLineOptions options;
  EXPECT_EQ(Parse({"--plugin", "a.so", "-s", "run.scr", "--plugin=b.so", "part.dxf"}, options), "");
  EXPECT_EQ(options.script, "run.scr");
  EXPECT_EQ(options.plugins, (std::vector<std::string>{"a.so", "b.so"}));
  EXPECT_EQ(options.drawing, "part.dxf");
  EXPECT_FALSE(options.help);

  EXPECT_EQ(Parse({"--script=x.scr", "--", "-odd.dxf"}, options), "");
  EXPECT_EQ(options.script, "x.scr");
  EXPECT_EQ(options.drawing, "-odd.dxf");

  EXPECT_EQ(Parse({}, options), "");
  EXPECT_TRUE(options.drawing.empty() && options.script.empty() && options.plugins.empty());
  EXPECT_EQ(Parse({"--help"}, options), "");
  EXPECT_TRUE(options.help);
}

TEST(CommandLine, RefusesWhatItCannotUse) {
  CommandLineOptions options;
  EXPECT_EQ(Parse({"-s"}, options), "option -s needs a value");
  EXPECT_EQ(Parse({"--plugin="}, options), "option --plugin= needs a value");
  EXPECT_EQ(Parse({"-x"}, options), "unknown option -x");
  EXPECT_EQ(Parse({"-s", "a", "-s", "b"}, options), "only one script can be given");
  EXPECT_EQ(Parse({"a.dxf", "b.dxf"}, options), "only one drawing can be opened (a.dxf, b.dxf)");
  EXPECT_NE(UsageText().find("--plugin LIB"), std::string::npos);
  // A pick 10 units off finds nothing: the help says how far a pick reaches.
  EXPECT_NE(UsageText().find("the nearest entity within PICKBOX drawing\n                   units of it, 3 unless"),
            std::string::npos)
      << UsageText();
}

TEST(CommandName, PrefixesAndCase) {
  EXPECT_EQ(ReadCommandName("line").name, "LINE");
  EXPECT_FALSE(ReadCommandName("line").global);
  EXPECT_EQ(ReadCommandName("  _Line ").name, "LINE");
  EXPECT_TRUE(ReadCommandName("_Line").global);
  EXPECT_EQ(ReadCommandName("._line").name, "LINE");
  EXPECT_TRUE(ReadCommandName("_.line").global);
  EXPECT_EQ(ReadCommandName(".pline").name, "PLINE");
  EXPECT_EQ(ReadCommandName("__x").name, "X");
  EXPECT_EQ(ReadCommandName("_").name, "");
  EXPECT_EQ(ReadCommandName("   ").name, "");
}

void Probe() {}
void Other() {}

TEST(CommandName, BuiltinsComeFirstThenRegisteredByEitherName) {
  AcEdCommandStack stack;
  ASSERT_EQ(stack.addCommand("PROBE", "PellamProfile", "Profile", 0, &Probe), Acad::eOk);
  ASSERT_EQ(stack.addCommand("PROBE", "ListMore", "LIST", 0, &Other), Acad::eOk);

  const ResolvedCommand line = ResolveCommand(ReadCommandName("_line"), &stack);
  ASSERT_NE(line.builtin, nullptr);
  EXPECT_STREQ(line.builtin->name, "LINE");
  // A built-in name wins over a plug-in's local name.
  EXPECT_NE(ResolveCommand(ReadCommandName("list"), &stack).builtin, nullptr);

  const ResolvedCommand profile = ResolveCommand(ReadCommandName("profile"), &stack);
  ASSERT_NE(profile.registered, nullptr);
  EXPECT_STREQ(profile.registered->globalName(), "PellamProfile");
  EXPECT_EQ(ResolveCommand(ReadCommandName("_PELLAMPROFILE"), &stack).registered, profile.registered);
  EXPECT_EQ(ResolveCommand(ReadCommandName("_listmore"), &stack).registered->functionAddr(), &Other);

  EXPECT_FALSE(ResolveCommand(ReadCommandName("nothing"), &stack).found());
  EXPECT_FALSE(ResolveCommand(ReadCommandName("profile"), nullptr).found());
  EXPECT_FALSE(ResolveCommand(ReadCommandName(""), &stack).found());
}

}  // namespace
}  // namespace host
