#include "shared_state.h"

namespace dwaalbos {

void SharedState::readLevelSets() {
  sets.Levelset1 = readLevelSet(paths.standaardlevels(), kSet1Records);
  sets.Levelset2 = readLevelSet(paths.standaardlevels2(), kSet2Records);
}

}  // namespace dwaalbos
