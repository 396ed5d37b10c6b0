#pragma once
// Computed figures against the hand-worked ones, for the GoogleTest suites.
#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

namespace marigold {

// Each figure within `tolerance` of its hand-worked value; a failure names
// the figure by its place in the list.
inline void ExpectNear(std::initializer_list<double> actual, std::initializer_list<double> expected,
                       double tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual.begin()[i], expected.begin()[i], tolerance) << "figure " << i;
}

}  // namespace marigold
