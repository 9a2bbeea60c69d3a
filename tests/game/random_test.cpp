#include <gtest/gtest.h>

#include "game/game_random.h"

TEST(GameRandom, MinimalStandardSequenceFromStateOne) {
    GameRandom::Seed(1);
    EXPECT_EQ(GameRandom::Next(), 16807u);
    EXPECT_EQ(GameRandom::Next(), 282475249u);
    EXPECT_EQ(GameRandom::Next(), 1622650073u);
}
