#include "gallery.h"

#include <stdexcept>
#include <string>

namespace artgen {

void addMasked(Gallery& gallery, const char* name, const Sprite& sprite, const char* maskName) {
  gallery.emplace_back(name, sprite.picture());
  gallery.emplace_back(maskName, sprite.mask());
}

void addSharingMask(Gallery& gallery, const char* name, const Sprite& sprite, const Sprite& owner) {
  if (sprite.mask() != owner.mask()) {
    throw std::runtime_error(std::string(name) + " does not fit the mask it shares");
  }
  gallery.emplace_back(name, sprite.picture());
}

}  // namespace artgen
