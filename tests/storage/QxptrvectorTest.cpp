#include "common/Qxptrvector.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tolvane {
namespace {

// Counts destructions so ownership mistakes show up as wrong counts.
struct TTracked {
  TTracked(int value, std::vector<int>& destroyed) : Value(value), Destroyed(destroyed) {}
  ~TTracked() { Destroyed.push_back(Value); }
  int Value;
  std::vector<int>& Destroyed;
};

class QxPtrVectorTest : public ::testing::Test {
 protected:
  std::unique_ptr<TTracked> Make(int value) { return std::make_unique<TTracked>(value, Destroyed); }
  std::vector<int> Values() const {
    std::vector<int> values;
    for (const TTracked& element : Vector)
      values.push_back(element.Value);
    return values;
  }

  std::vector<int> Destroyed;
  TQxPtrVector<TTracked> Vector;
};

TEST_F(QxPtrVectorTest, InsertClampsTheIndexToTheEnds) {
  Vector.Add(Make(1));
  Vector.Add(Make(2));
  Vector.Insert(1, Make(3));
  Vector.Insert(99, Make(4));
  Vector.Insert(-5, Make(5));
  Vector.Insert(Vector.Count(), Make(6));
  EXPECT_EQ(Values(), (std::vector<int>{5, 1, 3, 2, 4, 6}));
}

TEST_F(QxPtrVectorTest, RemoveHandsOverAndDeleteDestroys) {
  for (int i = 1; i <= 4; ++i)
    Vector.Add(Make(i));
  std::unique_ptr<TTracked> taken = Vector.Remove(1);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->Value, 2);
  EXPECT_TRUE(Destroyed.empty());
  Vector.Delete(0);
  EXPECT_EQ(Destroyed, std::vector<int>{1});
  EXPECT_EQ(Vector.Remove(7), nullptr);
  EXPECT_EQ(Vector.Remove(-1), nullptr);
  Vector.Delete(7);
  EXPECT_EQ(Values(), (std::vector<int>{3, 4}));
  EXPECT_EQ(Destroyed, std::vector<int>{1});
}

TEST_F(QxPtrVectorTest, IndexOfFindsTheElementOrMinusOne) {
  TTracked* first = Vector.Add(Make(1));
  TTracked* second = Vector.Add(Make(2));
  TTracked stranger(9, Destroyed);
  EXPECT_EQ(Vector.IndexOf(first), 0);
  EXPECT_EQ(Vector.IndexOf(second), 1);
  EXPECT_EQ(Vector.IndexOf(&stranger), -1);
  EXPECT_EQ(Vector.IndexOf(nullptr), -1);
}

TEST_F(QxPtrVectorTest, DestroyingTheVectorDestroysTheElementsButNotReleasedOnes) {
  std::vector<int> destroyed;
  TQxPtrVector<TTracked>::TStorage released;
  {
    TQxPtrVector<TTracked> vector;
    vector.Add(std::make_unique<TTracked>(1, destroyed));
    vector.Add(std::make_unique<TTracked>(2, destroyed));
    TQxPtrVector<TTracked> other;
    other.Add(std::make_unique<TTracked>(3, destroyed));
    released = other.ReleaseAll();
    EXPECT_TRUE(other.Empty());
  }
  EXPECT_EQ(destroyed, (std::vector<int>{1, 2}));
  released.clear();
  EXPECT_EQ(destroyed, (std::vector<int>{1, 2, 3}));
}

TEST_F(QxPtrVectorTest, SortIsStableAndLimitedToTheRange) {
  for (const int value : {9, 31, 12, 22, 11, 0})
    Vector.Add(Make(value));
  // Orders by tens only, so equal keys show whether their order survives.
  Vector.Sort(1, 5, [](const TTracked& a, const TTracked& b) { return a.Value / 10 < b.Value / 10; });
  EXPECT_EQ(Values(), (std::vector<int>{9, 12, 11, 22, 31, 0}));
  Vector.Reverse(0, 3);
  EXPECT_EQ(Values(), (std::vector<int>{11, 12, 9, 22, 31, 0}));
}

}  // namespace
}  // namespace tolvane
