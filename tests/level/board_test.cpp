#include "level/board.h"

#include <gtest/gtest.h>

using dwaalbos::Board;

TEST(Board, CheckedAccessRefusesIndicesOutsideTheArray) {
  Board board;
  EXPECT_NO_THROW(board.at(0, 0));
  EXPECT_NO_THROW(board.at(12, 12));
  EXPECT_THROW(board.at(13, 1), std::out_of_range);
  EXPECT_THROW(board.at(1, -1), std::out_of_range);
  EXPECT_THROW(board.set(-1, 5, 1), std::out_of_range);
}

TEST(Board, CopyAndClearTouchOnlyThePlayArea) {
  Board source;
  Board target;
  source.set(0, 4, 9);
  source.set(4, 0, 9);
  source.set(12, 12, 6);
  target.set(0, 7, 1);
  target.copyPlayAreaFrom(source);
  EXPECT_EQ(target.at(12, 12), 6);
  EXPECT_EQ(target.at(0, 4), 0);
  EXPECT_EQ(target.at(4, 0), 0);
  EXPECT_EQ(target.at(0, 7), 1);

  target.clearPlayArea();
  EXPECT_EQ(target.at(12, 12), 0);
  EXPECT_EQ(target.at(0, 7), 1);
}
