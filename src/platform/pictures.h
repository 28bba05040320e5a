#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <map>

namespace dwaalbos {

// The game's pictures (see picture_names.h), read once from the folder plaatjes/ of the game
// folder and kept as Format_RGB32 images, the format the raster operations work on; each also
// four times as large, for zoomed and high-resolution screens.
class Pictures {
 public:
  // Reads every catalogued picture from <gameFolder>/plaatjes/<name>.png.
  explicit Pictures(const QString& gameFolder);

  // A picture by name. One that could not be read, or a name outside the catalogue, gives a
  // loud magenta-and-black checker of the expected size: it shows, and nothing crashes.
  const QImage& get(const QString& name) const;
  // The same picture four times as large (plaatje::kLargeScale), read from <name>@4x.png the
  // first time it is asked for. One that is missing or not four times the size is its normal
  // picture enlarged by whole pixels instead, and says so on stderr.
  const QImage& large(const QString& name) const;
  // Whether the large picture was read from its own file.
  bool hasLarge(const QString& name) const;

  // Names of catalogued pictures that could not be read (empty when all is well).
  const QStringList& missing() const { return missing_; }
  // Names of large pictures asked for so far that could not be read.
  const QStringList& missingLarge() const { return missingLarge_; }

  // A picture made transparent where its mask is white (for the mouse pointer, the icon and
  // the star of a perfect result); from the large pictures when asked.
  QImage withMask(const QString& name, const QString& maskName, bool large = false) const;

  // The look of a picture that could not be read.
  static QImage fallback(int width, int height);

 private:
  QString folder_;
  QHash<QString, QImage> images_;
  mutable std::map<QString, QImage> large_;  // keeps the references it hands out
  QStringList missing_;
  mutable QStringList missingLarge_;
  QImage unknown_;
  QImage unknownLarge_;
};

}  // namespace dwaalbos
