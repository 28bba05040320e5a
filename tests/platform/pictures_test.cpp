#include "platform/pictures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/picture_names.h"
#include "support/game_pictures.h"

using dwaalbos::Pictures;
using dwaalbos::testsupport::gamePictures;
namespace plaatje = dwaalbos::plaatje;

namespace {

TEST(Pictures, AMissingFolderGivesVisibleFallbacksOfTheRightSize) {
  QTemporaryDir empty;
  const Pictures pictures(empty.path());
  EXPECT_EQ(pictures.missing().size(), static_cast<int>(std::size(plaatje::kAll)));
  const QImage& man = pictures.get(plaatje::kMan);
  EXPECT_EQ(man.size(), QSize(80, 160));
  EXPECT_EQ(man.format(), QImage::Format_RGB32);
  EXPECT_EQ(man, Pictures::fallback(80, 160));
  EXPECT_EQ(pictures.get("no such picture").size(), QSize(40, 40));
}

TEST(Pictures, AnUnreadableFileCountsAsMissing) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath("plaatjes");
  QFile broken(folder.path() + "/plaatjes/Muur.png");
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a picture");
  broken.close();
  const Pictures pictures(folder.path());
  EXPECT_TRUE(pictures.missing().contains(plaatje::kMuur));
  EXPECT_EQ(pictures.get(plaatje::kMuur), Pictures::fallback(40, 40));
}

TEST(Pictures, WithMaskIsTransparentExactlyWhereTheMaskIsWhite) {
  const QImage icon = gamePictures().withMask(plaatje::kIcoon, plaatje::kIcoonmask);
  const QImage& mask = gamePictures().get(plaatje::kIcoonmask);
  const QImage& picture = gamePictures().get(plaatje::kIcoon);
  ASSERT_TRUE(icon.hasAlphaChannel());
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) {
      if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
        ASSERT_EQ(icon.pixel(x, y), picture.pixel(x, y));
      } else {
        ASSERT_EQ(qAlpha(icon.pixel(x, y)), 0);
      }
    }
  }
}

}  // namespace
