#include "frontend/starfield.h"

#include <gtest/gtest.h>

#include <numbers>
#include <tuple>

namespace dwaalbos {
namespace {

using Painted = std::tuple<int, int, int>;  // x, y, grey

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
    veld.drift(hoek, [&](int x, int y, int grey) { painted.emplace_back(x, y, grey); });
    return painted;
  }

  Starfield veld{100, 50};
};

TEST_F(OneDot, PaintsItsOldPlaceBlackAndItsNewPlaceInItsGrey) {
  ster() = {10, 20, 200, 3};
  EXPECT_EQ(move(0), (std::vector<Painted>{{10, 20, 0}, {13, 20, 200}}));
  EXPECT_EQ(move(std::numbers::pi_v<float> / 2),
            (std::vector<Painted>{{13, 20, 0}, {13, 23, 200}}));
}

// Exactly on the edge a dot stays for this frame; past it, it comes back on the other side.
TEST_F(OneDot, LeavingOneSideComesBackOnTheOther) {
  ster() = {99, 10, 100, 4};
  move(0);
  EXPECT_EQ(ster().X, 0);
  ster() = {96, 10, 100, 4};
  move(0);
  EXPECT_EQ(ster().X, 100);
  ster() = {10, 2, 100, 5};
  move(-std::numbers::pi_v<float> / 2);
  EXPECT_EQ(ster().Y, 50);
  ster() = {2, 10, 100, 5};
  move(std::numbers::pi_v<float>);
  EXPECT_EQ(ster().X, 100);
}

}  // namespace
}  // namespace dwaalbos
