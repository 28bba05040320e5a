#include "system_reason.h"

#include <cerrno>
#include <cstring>

#include "texts.h"

namespace dwaalbos {

std::string systemReason(int error) {
  switch (error) {
    case 0: return texts::tr(texts::kOnbekendeFout);
    case ENOSPC:
    case EDQUOT: return texts::tr(texts::kSchijfVol);
    case EACCES:
    case EPERM: return texts::tr(texts::kGeenToestemming);
    case EROFS: return texts::tr(texts::kAlleenLezen);
    case ENOENT: return texts::tr(texts::kBestaatNietReden);
    case EMLINK:
    case ELOOP: return texts::tr(texts::kTeVeelLinks);
    default: return std::strerror(error);
  }
}

}  // namespace dwaalbos
