// Blocks of every size the pool serves, blocks large enough for their own mapping, and
// a container growing from pooled blocks into mapped ones.
#include "platform/cad/db/object_memory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

TEST(ObjectMemoryTest, BlocksOfEverySizeAreAlignedSeparateAndWholeUntilFreed) {
  std::vector<std::pair<unsigned char*, std::size_t>> blocks;
  for (std::size_t bytes = 0; bytes <= object_memory::kLargestPooled + 64; bytes += 8) {
    auto* block = static_cast<unsigned char*>(object_memory::allocate(bytes));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(std::max_align_t), 0u) << bytes;
    std::memset(block, static_cast<int>(bytes & 0xff), bytes);
    blocks.emplace_back(block, bytes);
  }
  for (const auto& [block, bytes] : blocks) {
    for (std::size_t i = 0; i < bytes; ++i) ASSERT_EQ(block[i], static_cast<unsigned char>(bytes & 0xff)) << bytes;
  }
  for (const auto& [block, bytes] : blocks) object_memory::deallocate(block, bytes);

  // Freed blocks serve later ones of their size and are never handed out twice.
  std::set<void*> live;
  for (int i = 0; i < 1000; ++i) EXPECT_TRUE(live.insert(object_memory::allocate(200)).second);
  for (void* block : live) object_memory::deallocate(block, 200);
  object_memory::deallocate(nullptr, 200);
}

TEST(ObjectMemoryTest, LargeBlocksAreWritableToTheirEnd) {
  for (std::size_t bytes : {object_memory::kLargeBytes, object_memory::kLargeBytes * 9 + 5}) {
    auto* block = static_cast<unsigned char*>(object_memory::allocate(bytes));
    block[0] = 1;
    block[bytes - 1] = 2;
    EXPECT_EQ(block[0] + block[bytes - 1], 3);
    object_memory::deallocate(block, bytes);
  }
}

TEST(ObjectMemoryTest, AContainerKeepsItsContentsAsItGrowsThroughEveryKindOfBlock) {
  std::vector<std::uint64_t, object_memory::Allocator<std::uint64_t>> values;
  const std::size_t count = object_memory::kLargeBytes / sizeof(std::uint64_t) * 3;
  for (std::uint64_t i = 0; i < count; ++i) values.push_back(i * 7);
  for (std::uint64_t i = 0; i < count; ++i) ASSERT_EQ(values[i], i * 7);
  values.resize(3);
  values.shrink_to_fit();
  EXPECT_EQ(values[2], 14u);
}

}  // namespace
