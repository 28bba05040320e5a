#pragma once

#include <string>

#include "level/byte_io.h"

class QImage;

namespace dwaalbos {

// Saves a picture as a 24-bit Windows bitmap.
WriteResult saveBitmap(const QImage& picture, const std::string& path);

}  // namespace dwaalbos
