#include "host/command_suggestions.h"

#include <gtest/gtest.h>

namespace host {
namespace {

const std::vector<std::string> kKnown = {"LINE", "LIST",   "CIRCLE",     "ERASE",
                                         "SAVE", "SAVEAS", "PROBEPOINT", "PROBEABORT"};

TEST(CommandSuggestions, TypingSlipsFindTheNamesMeant) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(NearestCommandNames("LIEN", kKnown), Names{"LINE"});      // two letters swapped
  EXPECT_EQ(NearestCommandNames("CIRCEL", kKnown), Names{"CIRCLE"});  // swapped at the end
  EXPECT_EQ(NearestCommandNames("ERSE", kKnown), Names{"ERASE"});     // one missing
  EXPECT_EQ(NearestCommandNames("CIRC", kKnown), Names{"CIRCLE"});    // cut short
  EXPECT_EQ(NearestCommandNames("LINT", kKnown), (Names{"LINE", "LIST"}));
  EXPECT_EQ(NearestCommandNames("SAVEA", kKnown), (Names{"SAVE", "SAVEAS"}));
  EXPECT_EQ(NearestCommandNames("PROBEPIONT", kKnown), Names{"PROBEPOINT"});  // not the one three slips off
  EXPECT_EQ(NearestCommandNames("LINT", kKnown, 1), Names{"LINE"});
}

TEST(CommandSuggestions, NothingIsSuggestedForNamesFarFromAll) {
  EXPECT_TRUE(NearestCommandNames("FROB", kKnown).empty());
  EXPECT_TRUE(NearestCommandNames("LI", kKnown).empty());  // too short to guess from
  EXPECT_TRUE(NearestCommandNames("LINE", {"LINE"}).empty());
  EXPECT_EQ(UnknownCommandMessage("FROB", {}), "Unknown command \"FROB\".  COMMANDS lists every command.");
  EXPECT_EQ(UnknownCommandMessage("LINT", {"LINE", "LIST", "LISP"}),
            "Unknown command \"LINT\".  Did you mean LINE, LIST or LISP?  COMMANDS lists every command.");
}

}  // namespace
}  // namespace host
