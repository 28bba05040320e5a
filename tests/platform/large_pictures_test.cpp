// The pictures as read, with their large set and its fallbacks, and the large set used for
// boards above 1x.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iterator>

#include "level/cell_codes.h"
#include "platform/board_painter.h"
#include "platform/picture_names.h"
#include "support/game_pictures.h"

using namespace dwaalbos;
using testsupport::gameFolder;
using testsupport::gamePictures;

namespace {

QImage enlargedByFour(const QImage& image) {
  return image.scaled(image.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A game folder holding only the normal wall, a damaged key and, as the large wall,
// `largeFile`: what cannot be read shows as a loud checker, a large picture that cannot be
// read or has the wrong size is the normal one enlarged.
TEST(Pictures, MissingOrDamagedFilesGiveFallbacksOfTheRightSize) {
  for (const char* largeFile : {"", "not a picture", "normal"}) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("plaatjes");
    const QString normal = gameFolder() + "/plaatjes/Muur.png";
    ASSERT_TRUE(QFile::copy(normal, folder.path() + "/plaatjes/Muur.png"));
    const QString large = folder.path() + "/plaatjes/Muur@4x.png";
    if (QByteArray(largeFile) == "normal") {
      ASSERT_TRUE(QFile::copy(normal, large));  // readable, but a quarter of the size
    } else if (*largeFile) {
      QFile broken(large);
      ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
      broken.write(largeFile);
    }
    QFile brokenKey(folder.path() + "/plaatjes/sleutel.png");
    ASSERT_TRUE(brokenKey.open(QIODevice::WriteOnly));
    brokenKey.write("not a picture");
    brokenKey.close();

    const Pictures pictures(folder.path());
    EXPECT_EQ(pictures.missing().size(), static_cast<int>(std::size(plaatje::kAll)) - 1);
    EXPECT_TRUE(pictures.missing().contains(plaatje::kSleutel));
    EXPECT_EQ(pictures.get(plaatje::kSleutel), Pictures::fallback(40, 40));
    EXPECT_EQ(pictures.get(plaatje::kMan), Pictures::fallback(80, 160));
    EXPECT_EQ(pictures.get("no such picture").size(), QSize(40, 40));
    EXPECT_EQ(pictures.large(plaatje::kMuur), enlargedByFour(gamePictures().get(plaatje::kMuur)));
    EXPECT_TRUE(pictures.missingLarge().contains(plaatje::kMuur)) << largeFile;
    EXPECT_EQ(pictures.large(plaatje::kMan), enlargedByFour(Pictures::fallback(80, 160)));
  }
}

TEST(Pictures, WithMaskIsTransparentExactlyWhereTheMaskIsWhite) {
  const QImage icon = gamePictures().withMask(plaatje::kIcoon, plaatje::kIcoonmask);
  const QImage& mask = gamePictures().get(plaatje::kIcoonmask);
  const QImage& picture = gamePictures().get(plaatje::kIcoon);
  ASSERT_TRUE(icon.hasAlphaChannel());
  for (int y = 0; y < icon.height(); ++y)
    for (int x = 0; x < icon.width(); ++x)
      if (mask.pixel(x, y) == qRgb(0, 0, 0)) {
        ASSERT_EQ(icon.pixel(x, y), picture.pixel(x, y));
      } else {
        ASSERT_EQ(qAlpha(icon.pixel(x, y)), 0);
      }
}

// Without the large set a zoomed board is the normal board enlarged by whole pixels.
TEST(ZoomedBoard, WithoutTheLargePicturesItIsTheNormalBoardEnlarged) {
  QTemporaryDir folder;
  QDir(folder.path()).mkpath("plaatjes");
  for (const auto& entry : plaatje::kAll) {
    const QString file = QStringLiteral("/plaatjes/%1.png").arg(entry.name);
    ASSERT_TRUE(QFile::copy(gameFolder() + file, folder.path() + file));
  }
  const Pictures pictures(folder.path());
  ASSERT_FALSE(pictures.hasLarge(plaatje::kMuur));
  const BoardPainter painter(pictures);
  const ManPose man{160, 0, 40, 80};
  // The switch, the start, a key and a wall.
  Board board;
  for (const auto& [col, code] :
       {std::pair{2, cell::kSwitch}, {5, cell::kStart}, {7, cell::kKey}, {8, cell::kWall}})
    board.set(col, 1, code);
  QImage drawn(QSize(480, 480) * 4, QImage::Format_RGB32);
  drawn.setDevicePixelRatio(4);
  painter.tekenen(drawn, board, false, man, true);
  drawn.setDevicePixelRatio(1);
  QImage normal;
  painter.tekenen(normal, board, false, man, true);
  EXPECT_EQ(drawn, enlargedByFour(normal));
}

}  // namespace
