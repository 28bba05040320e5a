#include "platform/pictures.h"

#include <gtest/gtest.h>

#include "platform/picture_names.h"
#include "support/game_pictures.h"

using dwaalbos::Pictures;
using dwaalbos::testsupport::gamePictures;
namespace plaatje = dwaalbos::plaatje;

namespace {

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
