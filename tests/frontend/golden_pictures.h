#pragma once

// Screenshots compared with pictures kept in golden/. After a deliberate change of the look,
// write them anew with DWAALBOS_WRITE_GOLDEN=1 and look at every picture before committing it.
#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace dwaalbos::testing {

// Fonts are smoothed a little differently from machine to machine and the menu's dots lie
// anywhere: a picture matches when no more than 1 % of its pixels differ clearly.
inline ::testing::AssertionResult looksLike(const QImage& seen, const QString& name) {
  const QString path = QStringLiteral(DWAALBOS_GOLDEN_DIR "/") + name + ".png";
  if (qEnvironmentVariableIsSet("DWAALBOS_WRITE_GOLDEN")) {
    QDir().mkpath(DWAALBOS_GOLDEN_DIR);
    seen.save(path, "PNG", 0);
  }
  const QImage golden = QImage(path).convertToFormat(QImage::Format_RGB32);
  const QImage shown = seen.convertToFormat(QImage::Format_RGB32);
  if (golden.size() != shown.size())
    return ::testing::AssertionFailure() << qPrintable(name) << ": size " << shown.width() << "x"
                                         << shown.height() << ", kept " << golden.width() << "x"
                                         << golden.height();
  long differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb a = shown.pixel(x, y);
      const QRgb b = golden.pixel(x, y);
      const int most = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                 std::abs(qBlue(a) - qBlue(b))});
      if (most > 64) ++differing;
    }
  }
  if (differing * 100 <= static_cast<long>(shown.width()) * shown.height())
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << qPrintable(name) << ": " << differing
                                       << " pixels differ";
}

}  // namespace dwaalbos::testing
