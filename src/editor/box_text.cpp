#include "box_text.h"

namespace dwaalbos {

QString forBox(const std::string& text) {
  return QString::fromStdString(text).replace("\r\n", "\n");
}

std::string fromBox(QString text) { return text.replace("\n", "\r\n").toStdString(); }

}  // namespace dwaalbos
