#include "bitmap_file.h"

#include <QFile>
#include <QImage>

namespace dwaalbos {

WriteResult saveBitmap(const QImage& picture, const std::string& path) {
  // Opening the file ourselves gives the system's reason when it cannot be written.
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return WriteResult::failed(file.errorString().toStdString());
  // Qt writes every picture deeper than 8 bits as 24-bit BMP; an opaque copy makes sure no
  // indexed or transparent picture turns into anything else.
  if (!picture.convertToFormat(QImage::Format_RGB32).save(&file, "BMP") || !file.flush())
    return WriteResult::failed(file.errorString().toStdString());
  return WriteResult::done();
}

}  // namespace dwaalbos
