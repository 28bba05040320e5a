#pragma once

#include <QImage>
#include <QString>

class QPainter;
class QPrinter;

namespace dwaalbos {

// The printed page of a level, in printer pixels: the board (drawn on white) at (7, 7) and
// 1442 pixels square inside a black frame 7 pixels wide, and under it the heading
// "Naam level:" and the line naming the level and its maker.
void drawPrintout(QPainter& painter, const QImage& board, const QString& naam,
                  const QString& maker);

// Prints that page on the printer as one job. False when the printer could not be used.
bool printLevel(QPrinter& printer, const QImage& board, const QString& naam, const QString& maker);

}  // namespace dwaalbos
