#pragma once

#include <QString>
#include <QStringList>

namespace dwaalbos::irunin {

// The congratulation and the secrets of the open place in the forest.
QString congratulationText();
QString subtitle();
const QStringList& secrets();

// Each secret stays this long, fading in and out at its edges.
inline constexpr int kSecretMilliseconds = 7000;
inline constexpr int kFadeMilliseconds = 600;

// Which secret shows at a moment, and how opaque it is then (0..1).
int secretAt(qint64 milliseconds);
double visibilityAt(qint64 milliseconds);

}  // namespace dwaalbos::irunin
