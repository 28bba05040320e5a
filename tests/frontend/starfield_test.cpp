#include "frontend/starfield.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace dwaalbos {
namespace {

struct Painted {
  int x;
  int y;
  int grey;
  bool operator==(const Painted&) const = default;
};

class OneDot : public ::testing::Test {
 protected:
  OneDot() {
    std::mt19937 random(1);
    veld.scatter(random);
    veld.sterren().resize(1);
  }
  Ster& ster() { return veld.sterren()[0]; }
  std::vector<Painted> move(float hoek) {
    std::vector<Painted> painted;
    veld.drift(hoek, [&](int x, int y, int grey) { painted.push_back({x, y, grey}); });
    return painted;
  }

  Starfield veld{100, 50};
};

TEST(Starfield, FillsFiveHundredDotsInsideTheArea) {
  Starfield veld(440, 300);
  std::mt19937 random(7);
  veld.scatter(random);
  ASSERT_EQ(veld.sterren().size(), 500u);
  bool slow = false;
  bool fast = false;
  for (const auto& ster : veld.sterren()) {
    EXPECT_GE(ster.X, 0);
    EXPECT_LT(ster.X, 440);
    EXPECT_GE(ster.Y, 0);
    EXPECT_LT(ster.Y, 300);
    EXPECT_GE(ster.Snelheid, 1);
    EXPECT_LE(ster.Snelheid, 16);
    slow |= ster.Snelheid == 1;
    fast |= ster.Snelheid >= 15;
  }
  EXPECT_TRUE(slow);
  EXPECT_TRUE(fast);
}

TEST_F(OneDot, PaintsItsOldPlaceBlackAndItsNewPlaceInItsGrey) {
  ster() = {10, 20, 200, 3};
  EXPECT_EQ(move(0), (std::vector<Painted>{{10, 20, 0}, {13, 20, 200}}));
  EXPECT_EQ(move(std::numbers::pi_v<float> / 2), (std::vector<Painted>{{13, 20, 0}, {13, 23, 200}}));
}

TEST_F(OneDot, LeavingOnTheRightComesBackOnTheLeft) {
  ster() = {99, 10, 100, 4};
  move(0);
  EXPECT_EQ(ster().X, 0);
  ster() = {96, 10, 100, 4};
  move(0);
  EXPECT_EQ(ster().X, 100);  // exactly on the edge it stays for this frame
}

TEST_F(OneDot, LeavingAtTheTopComesBackAtTheBottom) {
  ster() = {10, 2, 100, 5};
  move(-std::numbers::pi_v<float> / 2);
  EXPECT_EQ(ster().Y, 50);
  ster() = {2, 10, 100, 5};
  move(std::numbers::pi_v<float>);
  EXPECT_EQ(ster().X, 100);
}

TEST(Starfield, WholePixelsRoundHalvesToEven) {
  EXPECT_EQ(nearestPixel(2.5F), 2);
  EXPECT_EQ(nearestPixel(3.5F), 4);
  EXPECT_EQ(nearestPixel(3.49F), 3);
}

}  // namespace
}  // namespace dwaalbos
