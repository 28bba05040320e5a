#include "bitmap_file.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include <span>

#include "level/texts.h"

namespace dwaalbos {

WriteResult saveBitmap(const QImage& picture, const std::string& path) {
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  // Qt writes every picture deeper than 8 bits as 24-bit BMP; an opaque copy makes sure no
  // indexed or transparent picture turns into anything else.
  if (!picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
    return WriteResult::failed(texts::tr(texts::kGeenBitmap));
  return writeWholeFile(path, std::span(reinterpret_cast<const std::uint8_t*>(encoded.constData()),
                                        static_cast<std::size_t>(encoded.size())));
}

}  // namespace dwaalbos
