#include "platform/Random.h"

#include <gtest/gtest.h>

TEST(Rnd, StaysInsideZeroToOne) {
    Randomize();
    double low = 1, high = 0;
    for (int i = 0; i < 100000; ++i) {
        const double r = Rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.01);
    EXPECT_GT(high, 0.99);
}

// The scripted numbers come in turn and over again, Randomize or not, until an empty script ends
// them.
TEST(Rnd, ScriptIsReturnedInTurnUntilCleared) {
    SetRandomScript({0.25, 0.5});
    Randomize();
    EXPECT_EQ(Rnd(), 0.25);
    EXPECT_EQ(Rnd(), 0.5);
    EXPECT_EQ(Rnd(), 0.25);
    SetRandomScript({});
    EXPECT_NE(Rnd(), 0.5);
}
