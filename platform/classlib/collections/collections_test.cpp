#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classlib/collections/carray.h"
#include "platform/classlib/collections/cstring_array.h"
#include "platform/classlib/collections/ptr_list.h"
#include "platform/classlib/collections/string_list.h"

namespace {

std::vector<std::string> Items(const CStringArray& array) {
  std::vector<std::string> items;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) items.push_back(array[i].str());
  return items;
}

std::vector<std::string> Items(const CStringList& list) {
  std::vector<std::string> items;
  for (POSITION position = list.GetHeadPosition(); position != nullptr;) items.push_back(list.GetNext(position).str());
  return items;
}

using Strings = std::vector<std::string>;

TEST(CArray, GrowsInsertsAndRemoves) {
  CStringArray names;
  EXPECT_EQ(names.Add("b"), 0);
  EXPECT_EQ(names.Add("d"), 1);
  names.InsertAt(0, "a");
  names.InsertAt(2, "c", 2);
  EXPECT_EQ(Items(names), (Strings{"a", "b", "c", "c", "d"}));
  EXPECT_EQ(names.GetUpperBound(), 4);

  names.RemoveAt(2);
  names.RemoveAt(3, 10);  // cut at the end
  EXPECT_EQ(Items(names), (Strings{"a", "b", "c"}));

  names.SetAtGrow(5, "f");
  EXPECT_EQ(names.GetSize(), 6);
  EXPECT_EQ(names[4], "");
  names.InsertAt(8, "i");  // past the end: grows first
  EXPECT_EQ(names.GetSize(), 9);
  EXPECT_EQ(names[8], "i");

  names.SetSize(2);
  EXPECT_EQ(Items(names), (Strings{"a", "b"}));
  names.ElementAt(1) = "B";
  names.SetAt(0, "A");
  EXPECT_EQ(names.GetData()[1], "B");
  names.RemoveAll();
  EXPECT_TRUE(names.IsEmpty());
}

TEST(CArray, AppendCopyAndSelfReferences) {
  CStringArray names;
  names.Add("x");
  names.Add("y");
  EXPECT_EQ(names.Append(names), 2);
  EXPECT_EQ(Items(names), (Strings{"x", "y", "x", "y"}));
  // The element added lives in the array that grows.
  for (int i = 0; i < 20; ++i) names.Add(names[0]);
  EXPECT_EQ(names[23], "x");
  names.InsertAt(0, names[1], 3);
  EXPECT_EQ(names[2], "y");

  CStringArray copy;
  copy.Copy(names);
  EXPECT_EQ(copy.GetSize(), names.GetSize());
  copy.InsertAt(1, &names);
  EXPECT_EQ(copy.GetSize(), 2 * names.GetSize());

  CArray<int, int> numbers;
  numbers.SetSize(3);
  EXPECT_EQ(numbers[2], 0);  // new elements are zeroed
}

TEST(CArrayDeathTest, BadIndexStopsInsteadOfCorrupting) {
  CArray<int, int> numbers;
  numbers.Add(1);
  EXPECT_DEATH(numbers[1] = 5, "index 1 outside 0..0");
  EXPECT_DEATH(numbers.GetAt(-1), "index -1");
}

TEST(CList, PositionsWalkInsertAndRemove) {
  CStringList list;
  const POSITION b = list.AddTail("b");
  list.AddHead("a");
  list.AddTail("d");
  const POSITION c = list.InsertAfter(b, "c");
  list.InsertBefore(list.GetHeadPosition(), "0");
  list.InsertAfter(nullptr, "e");   // null: at the tail
  list.InsertBefore(nullptr, "-");  // null: at the head
  EXPECT_EQ(Items(list), (Strings{"-", "0", "a", "b", "c", "d", "e"}));
  EXPECT_EQ(list.GetCount(), 7);

  EXPECT_EQ(list.Find("c"), c);
  EXPECT_EQ(list.Find("c", c), nullptr);
  EXPECT_EQ(list.Find("zz"), nullptr);
  EXPECT_EQ(list.FindIndex(3), b);
  EXPECT_EQ(list.FindIndex(7), nullptr);

  list.RemoveAt(b);
  list.SetAt(c, "C");
  EXPECT_EQ(list.RemoveHead(), "-");
  EXPECT_EQ(list.RemoveTail(), "e");
  EXPECT_EQ(Items(list), (Strings{"0", "a", "C", "d"}));
  EXPECT_EQ(list.GetHead(), "0");
  EXPECT_EQ(list.GetTail(), "d");

  std::vector<std::string> backwards;
  for (POSITION position = list.GetTailPosition(); position != nullptr;) {
    backwards.push_back(list.GetPrev(position).str());
  }
  EXPECT_EQ(backwards, (Strings{"d", "C", "a", "0"}));
}

TEST(CList, AddingAListAndRemovingEverything) {
  CStringList list;
  list.AddTail("a");
  list.AddTail("b");
  list.AddTail(&list);
  list.AddHead(&list);
  EXPECT_EQ(Items(list), (Strings{"a", "b", "a", "b", "a", "b", "a", "b"}));

  // Removing while walking: take the next position first.
  for (POSITION position = list.GetHeadPosition(); position != nullptr;) {
    const POSITION current = position;
    if (list.GetNext(position) == "a") list.RemoveAt(current);
  }
  EXPECT_EQ(Items(list), (Strings{"b", "b", "b", "b"}));

  list.RemoveAll();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  list.AddTail("again");
  EXPECT_EQ(list.GetHead(), list.GetTail());
}

TEST(CList, LongListsDestroyWithoutDeepRecursion) {
  CPtrList list;
  int marker = 0;
  for (int i = 0; i < 1000000; ++i) list.AddTail(&marker);
  EXPECT_EQ(list.GetCount(), 1000000);
  EXPECT_EQ(list.Find(nullptr), nullptr);
}

}  // namespace
