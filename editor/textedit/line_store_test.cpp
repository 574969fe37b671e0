#include "editor/textedit/line_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "editor/textedit/line_ending.h"

namespace {

// The plain byte-at-a-time matcher that the store's cutting must agree with.
std::vector<std::string> SplitByteByByte(const std::string& bytes, std::string_view ending) {
  std::vector<std::string> lines;
  std::string line;
  size_t matched = 0;
  for (const char byte : bytes) {
    line += byte;
    if (byte == ending[matched]) {
      if (++matched == ending.size()) {
        line.resize(line.size() - ending.size());
        lines.push_back(line);
        line.clear();
        matched = 0;
      }
    } else {
      matched = byte == ending[0] ? 1 : 0;
    }
  }
  lines.push_back(line);
  return lines;
}

TextLineStore::FileBlock BlockOf(const std::string& bytes) {
  TextLineStore::FileBlock block(static_cast<char*>(std::malloc(bytes.size() + 1)));
  std::memcpy(block.get(), bytes.data(), bytes.size());
  return block;
}

std::vector<std::string> Lines(const TextLineStore& store) {
  std::vector<std::string> lines;
  for (int line = 0; line < store.Count(); ++line) lines.emplace_back(store.View(line));
  return lines;
}

TextLineStore Loaded(const std::string& bytes, std::string_view ending = "\r\n") {
  TextLineStore store;
  EXPECT_TRUE(store.Load(BlockOf(bytes), bytes.size(), ending));
  return store;
}

TEST(TextLineStore, CutsLikeByteByByteMatching) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', '\r', '\n', '\0', '\xC3', '\xA9'};
  std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int style = 0; style <= 3; ++style) {
    const std::string_view ending = line_ending::Bytes(style);
    for (int round = 0; round < 2000; ++round) {
      std::string bytes;
      for (int i = length(random); i > 0; --i) bytes += alphabet[pick(random)];
      ASSERT_EQ(Lines(Loaded(bytes, ending)), SplitByteByByte(bytes, ending)) << "style " << style << " round " << round;
    }
  }
}

TEST(TextLineStore, EmptyFileAndFinalEnding) {
  EXPECT_EQ(Lines(Loaded("")), std::vector<std::string>{""});
  EXPECT_EQ(Lines(Loaded("\r\n")), (std::vector<std::string>{"", ""}));
  EXPECT_EQ(Lines(Loaded("G0\r\nX1")), (std::vector<std::string>{"G0", "X1"}));
  EXPECT_EQ(Loaded("\r\n").Text(1)[0], Loaded("\r\n").Text(1)[0]);  // a readable pointer even when empty
}

TEST(TextLineStore, ChangedLinesLeaveTheirNeighboursAsLoaded) {
  TextLineStore store = Loaded("N1 G0\r\nN2 G1 X5\r\nN3 M30");
  store.Append(0, " Z2", 3);
  store.EraseInLine(1, 0, 3);  // from the front: still the file's bytes
  store.EraseInLine(2, 2, 3);  // inside: a block of its own
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"N1 G0 Z2", "G1 X5", "N3M30"}));

  // A line appended to from another line, loaded or owned, gets the bytes themselves.
  store.Append(1, store.Text(2), store.Length(2));
  store.Append(2, store.Text(2), store.Length(2));
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"N1 G0 Z2", "G1 X5N3M30", "N3M30N3M30"}));

  store.Erase(0, 2);
  store.Insert(0, {"A", "B"});
  store.Truncate(2, 2);
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"A", "B", "N3"}));
}

TEST(TextLineStore, FlagsTravelWithTheirLine) {
  TextLineStore store = Loaded("a\r\nb\r\nc");
  store.SetFlags(1, 0);
  EXPECT_EQ(store.Flags(1), 0u);
  store.SetFlags(1, 0x80000);
  store.Insert(0, {"new"});
  EXPECT_EQ(store.Flags(2), 0x80000u);
  EXPECT_EQ(store.View(2), "b");
  EXPECT_EQ(store.Flags(1) | store.Flags(3), 0u);
  // Freed blocks are used again by later lines, which start without flags.
  store.Erase(2, 3);
  store.Insert(0, {"x"});
  EXPECT_EQ(Lines(store), (std::vector<std::string>{"x", "new", "a", "c"}));
  for (int line = 0; line < store.Count(); ++line) EXPECT_EQ(store.Flags(line), 0u);
}

}  // namespace
