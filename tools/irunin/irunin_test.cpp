#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "bonus_texts.h"
#include "forest_scene.h"
#include "password.h"

namespace dwaalbos::irunin {
namespace {

TEST(Password, OnlyTheWordTheMenuGaveOpensTheForest) {
  EXPECT_TRUE(isPassword("Pelikaan7"));
  EXPECT_TRUE(isPassword("  Pelikaan7 "));
  EXPECT_FALSE(isPassword("pelikaan7"));
  EXPECT_FALSE(isPassword("Pelikaan7'"));
  EXPECT_FALSE(isPassword(""));
}

TEST(Secrets, EachSecretShowsInTurnAndFadesAtItsEdges) {
  std::set<int> shown;
  for (int i = 0; i < secrets().size(); ++i)
    shown.insert(secretAt(static_cast<qint64>(i) * kSecretMilliseconds + kSecretMilliseconds / 2));
  EXPECT_EQ(static_cast<int>(shown.size()), secrets().size());
  EXPECT_EQ(secretAt(static_cast<qint64>(secrets().size()) * kSecretMilliseconds), 0);

  EXPECT_DOUBLE_EQ(visibilityAt(0), 0.0);
  EXPECT_DOUBLE_EQ(visibilityAt(kSecretMilliseconds / 2), 1.0);
  EXPECT_LT(visibilityAt(kSecretMilliseconds - 100), 0.5);
}

class Scene : public ::testing::Test {
 protected:
  Scene() : scene(std::getenv("DWAALBOS_GAME_DIR") ? std::getenv("DWAALBOS_GAME_DIR") : ".") {}
  QImage at(qint64 ms) {
    QImage picture(ForestScene::kWidth, ForestScene::kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    scene.paintScene(painter, ms);
    return picture;
  }
  ForestScene scene;
};

TEST_F(Scene, MovesOverTime) {
  const QImage first = at(1000);
  EXPECT_EQ(first, at(1000));
  EXPECT_NE(first, at(1500));
}

TEST_F(Scene, AnimatesOnlyWhileShown) {
  EXPECT_FALSE(scene.animating());
  scene.show();
  EXPECT_TRUE(scene.animating());
  scene.showMinimized();
  EXPECT_FALSE(scene.animating());
  scene.hide();
  EXPECT_FALSE(scene.animating());
}

}  // namespace
}  // namespace dwaalbos::irunin
