#include "entity_list.h"

#include <gtest/gtest.h>

#include <vector>

#include "model_point.h"

namespace kestrix {
namespace {

std::vector<int> Forward(const EntityList<ModelPoint>& list) {
  std::vector<int> numbers;
  for (const ModelPoint& point : list) numbers.push_back(point.number);
  return numbers;
}

std::vector<int> Backward(const EntityList<ModelPoint>& list) {
  std::vector<int> numbers;
  for (const ModelPoint& point : list.InsertionOrder()) numbers.push_back(point.number);
  return numbers;
}

TEST(EntityList, ForwardVisitsNewestFirstAndBackwardVisitsInsertionOrder) {
  EntityList<ModelPoint> list;
  list.Insert({.number = 1});
  list.Insert({.number = 2});
  list.Insert({.number = 3});
  EXPECT_EQ(Forward(list), (std::vector{3, 2, 1}));
  EXPECT_EQ(Backward(list), (std::vector{1, 2, 3}));
  EXPECT_EQ(list.Front().number, 3);
  EXPECT_EQ(list.Count(), 3);
}

TEST(EntityList, CountsAndClearsSelectedFlags) {
  EntityList<ModelPoint> list;
  list.Insert({.number = 0, .selected = true});
  list.Insert({.number = 1});
  list.Insert({.number = 2, .selected = true});
  EXPECT_EQ(list.CountSelected(), 2);
  list.ClearSelected();
  EXPECT_EQ(list.CountSelected(), 0);
  EXPECT_EQ(list.Count(), 3);
}

TEST(EntityList, InsertionOrderHoldsTheKthInsertedElementAtK) {
  EntityList<ModelPoint> list;
  for (int k = 0; k < 5; ++k) list.Insert({.number = 10 + k});
  ASSERT_EQ(list.InsertionOrder().size(), 5u);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(list.InsertionOrder()[k].number, 10 + k);
  list.Clear();
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_TRUE(list.InsertionOrder().empty());
}

}  // namespace
}  // namespace kestrix
