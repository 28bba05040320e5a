#pragma once

#include <QString>
#include <QStringList>

namespace dwaalbos::irunin {

// The congratulation and the secrets of the open place in the forest.
QString felicitatie();
QString ondertitel();
const QStringList& geheimen();

// Each secret stays this long, fading in and out at its edges.
inline constexpr int kGeheimMilliseconds = 7000;
inline constexpr int kVervagenMilliseconds = 600;

// Which secret shows at a moment, and how opaque it is then (0..1).
int geheimOp(qint64 milliseconds);
double zichtbaarheidOp(qint64 milliseconds);

}  // namespace dwaalbos::irunin
