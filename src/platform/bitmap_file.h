#pragma once

#include <string>

class QImage;

namespace dwaalbos {

// Saves a picture as a 24-bit Windows bitmap. False when the file cannot be written.
bool saveBitmap(const QImage& picture, const std::string& path);

}  // namespace dwaalbos
