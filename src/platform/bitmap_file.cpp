#include "bitmap_file.h"

#include <QImage>

namespace dwaalbos {

bool saveBitmap(const QImage& picture, const std::string& path) {
  // Qt writes every picture deeper than 8 bits as 24-bit BMP; an opaque copy makes sure no
  // indexed or transparent picture turns into anything else.
  return picture.convertToFormat(QImage::Format_RGB32).save(QString::fromStdString(path), "BMP");
}

}  // namespace dwaalbos
