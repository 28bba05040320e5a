#include "system_reason.h"

#include <cerrno>
#include <cstring>

#include "texts.h"

namespace dwaalbos {

std::string systemReason(int error) {
  switch (error) {
    case 0: return texts::kOnbekendeFout;
    case ENOSPC:
    case EDQUOT: return texts::kSchijfVol;
    case EACCES:
    case EPERM: return texts::kGeenToestemming;
    case EROFS: return texts::kAlleenLezen;
    case ENOENT: return texts::kBestaatNietReden;
    case EMLINK:
    case ELOOP: return texts::kTeVeelLinks;
    default: return std::strerror(error);
  }
}

}  // namespace dwaalbos
