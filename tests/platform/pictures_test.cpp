#include "platform/pictures.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/picture_names.h"

using dwaalbos::Pictures;
namespace plaatje = dwaalbos::plaatje;

namespace {

QString gameFolder() { return qEnvironmentVariable("DWAALBOS_GAME_DIR"); }

const Pictures& gamePictures() {
  static const Pictures pictures(gameFolder());
  return pictures;
}

bool isMask(const QString& name) { return name.endsWith(QStringLiteral("mask")); }

// A picture and the mask it is pasted through.
struct Pair {
  const char* picture;
  const char* mask;
};

const Pair kMasked[] = {
    {plaatje::kSchakr, plaatje::kSchakmask},     {plaatje::kSchakbl, plaatje::kSchakmask},
    {plaatje::kBlauwin, plaatje::kInmask},       {plaatje::kRoodin, plaatje::kInmask},
    {plaatje::kBlauwuit, plaatje::kUitmask},     {plaatje::kRooduit, plaatje::kUitmask},
    {plaatje::kBegin, plaatje::kBeginmask},      {plaatje::kEind, plaatje::kBeginmask},
    {plaatje::kSleutel, plaatje::kSleutelmask},  {plaatje::kSleutelblok, plaatje::kDuwblokmask},
    {plaatje::kDuwblok, plaatje::kDuwblokmask},  {plaatje::kVijand, plaatje::kVijandmask},
    {plaatje::kMan, plaatje::kManmask},          {plaatje::kWijzer, plaatje::kWijzermask},
    {plaatje::kIcoon, plaatje::kIcoonmask},
};

TEST(GamePictures, EveryPictureWasBuiltAtItsSize) {
  ASSERT_FALSE(gameFolder().isEmpty());
  EXPECT_TRUE(gamePictures().missing().isEmpty())
      << gamePictures().missing().join(", ").toStdString();
  for (const auto& entry : plaatje::kAll) {
    const QImage& image = gamePictures().get(entry.name);
    EXPECT_EQ(image.size(), QSize(entry.width, entry.height)) << entry.name;
    EXPECT_EQ(image.format(), QImage::Format_RGB32) << entry.name;
  }
}

TEST(GamePictures, MasksArePureBlackAndWhite) {
  for (const auto& entry : plaatje::kAll) {
    if (!isMask(entry.name)) continue;
    const QImage& mask = gamePictures().get(entry.name);
    int black = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const QRgb pixel = mask.pixel(x, y);
        ASSERT_TRUE(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255)) << entry.name;
        black += pixel == qRgb(0, 0, 0);
      }
    }
    EXPECT_GT(black, 0) << entry.name;
  }
}

// White mask pixels must be white in the picture, or the paste would darken the board around
// the object; and the object must not be white along its outline, or a white fringe shows.
TEST(GamePictures, PicturesFitTheirMasks) {
  const QRgb white = qRgb(255, 255, 255);
  for (const Pair& pair : kMasked) {
    const QImage& picture = gamePictures().get(pair.picture);
    const QImage& mask = gamePictures().get(pair.mask);
    ASSERT_EQ(picture.size(), mask.size()) << pair.picture;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (mask.pixel(x, y) == white) {
          ASSERT_EQ(picture.pixel(x, y), white) << pair.picture << " at " << x << "," << y;
          continue;
        }
        const bool onOutline = x == 0 || mask.pixel(x - 1, y) == white ||
                               x + 1 == mask.width() || mask.pixel(x + 1, y) == white ||
                               y == 0 || mask.pixel(x, y - 1) == white ||
                               y + 1 == mask.height() || mask.pixel(x, y + 1) == white;
        if (onOutline) {
          ASSERT_LT(qGray(picture.pixel(x, y)), 200) << pair.picture << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(GamePictures, TheTwoLooksOfEveryMenuButtonDiffer) {
  const QImage& men = gamePictures().get(plaatje::kMen);
  const QRect looks[][2] = {{{0, 0, 375, 37}, {0, 38, 375, 37}},
                            {{0, 75, 375, 37}, {0, 115, 375, 37}},
                            {{0, 152, 375, 50}, {0, 198, 375, 50}}};
  for (const auto& button : looks) {
    EXPECT_NE(men.copy(button[0]), men.copy(button[1]));
    EXPECT_NE(men.copy(button[0]), QImage(button[0].size(), QImage::Format_RGB32));
  }
  // Rows 198..201 belong to both looks of the third button: they must be plain background.
  for (int y = 198; y < 202; ++y) {
    for (int x = 0; x < men.width(); ++x) ASSERT_EQ(men.pixel(x, y), qRgb(0, 0, 0)) << y;
  }
}

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
