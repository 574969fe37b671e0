#include "editor/textedit/line_splitter.h"

#include <gtest/gtest.h>

#include <random>

#include "editor/textedit/line_ending.h"

namespace {

// The plain byte-at-a-time matcher that the chunked splitter must agree with.
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

std::vector<std::string> SplitInChunks(const std::string& bytes, std::string_view ending, std::mt19937& random) {
  std::vector<TextLineRecord> records;
  LineSplitter splitter(ending, records);
  std::uniform_int_distribution<size_t> chunk_size(1, 7);
  for (size_t at = 0; at < bytes.size();) {
    const size_t size = std::min(chunk_size(random), bytes.size() - at);
    EXPECT_TRUE(splitter.Feed(bytes.data() + at, size));
    at += size;
  }
  EXPECT_TRUE(splitter.Finish());
  std::vector<std::string> lines;
  for (const auto& record : records) {
    lines.emplace_back(record.View());
    EXPECT_EQ(record.capacity, TextLineRecord::CapacityFor(record.length));
  }
  return lines;
}

TEST(LineSplitter, AgreesWithByteByByteMatchingAtAnyChunkBorder) {
  std::mt19937 random(7);
  const char alphabet[] = {'a', '\r', '\n', '\0', '\xC3', '\xA9'};
  std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int style = 0; style <= 2; ++style) {
    const std::string_view ending = line_ending::Bytes(style);
    for (int round = 0; round < 2000; ++round) {
      std::string bytes;
      for (int i = length(random); i > 0; --i) bytes += alphabet[pick(random)];
      ASSERT_EQ(SplitInChunks(bytes, ending, random), SplitByteByByte(bytes, ending))
          << "style " << style << " round " << round;
    }
  }
}

TEST(LineSplitter, EmptyInputIsOneEmptyLine) {
  std::vector<TextLineRecord> records;
  LineSplitter splitter("\r\n", records);
  ASSERT_TRUE(splitter.Finish());
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].length, 0);
  EXPECT_EQ(records[0].capacity, 16);
}

}  // namespace
