#pragma once

#include <QImage>
#include <QRgb>

#include <array>
#include <optional>

#include "level/board.h"
#include "level/cell_kinds.h"
#include "pictures.h"
#include "sprite_blit.h"

namespace dwaalbos {

// The board's colour in play and in the editor (red 255, green 192, blue 128).
inline constexpr QRgb kBoardBackground = 0xFFFFC080u;

// Where the player stands and how he looks: `ManX`, `ManY` (pixels) and the source position
// in his sheet, `Stap` (frame 0 or 40) and `Kant` (facing row 0, 40, 80 or 120).
struct ManPose {
  int manX = 0;
  int manY = 0;
  int stap = 0;
  int kant = 0;
};

// Source row of the player's sheet for a facing (`Kant`).
constexpr int facingRow(Direction d) {
  switch (d) {
    case Direction::Up: return 0;
    case Direction::Left: return 120;
    case Direction::Down: return 80;
    default: return 40;
  }
}

// Draws boards from the game's pictures. Holds pointers into `pictures`, which must outlive it.
// Every drawing function makes its target a 480 x 480 Format_RGB32 image if it is not one. A
// target whose device pixel ratio is above 1 (a zoomed board, 480 logical pixels) is drawn at
// that resolution from the large pictures brought down to its cell size: the same picture as
// the raster operations give at 1, with smooth edges; both drawing paths then look alike.
class BoardPainter {
 public:
  explicit BoardPainter(const Pictures& pictures);

  // `tekenen`: clears the target to `background`, pastes the object of every cell 1..12 x 1..12
  // (codes 1..9 and 11..15; the switch and the gates as switch state `schakelaar` shows them,
  // true = red), then the player. `metBitBlt` picks the drawing path; both look the same.
  void tekenen(QImage& target, const Board& veld, bool schakelaar, const ManPose& man,
               bool metBitBlt, QRgb background = kBoardBackground) const;

  // `edtekenen`: the editor's board, codes 1..15 (10 shows the enemy) with the editor's fixed
  // pictures, no player. White as background gives the picture for export and printing.
  void edtekenen(QImage& target, const Board& veld, QRgb background = kBoardBackground) const;

  // One object as play shows it, pasted at pixel (x, y) without clearing anything (the push
  // animation's block). Codes without a play picture paste nothing.
  void pasteObject(QImage& target, int code, int x, int y, bool schakelaar, bool metBitBlt) const;

  // A tip's outline around cell (col, row), drawn over what is there.
  static void outline(QImage& target, int col, int row);
  // One frame of the sparkle around cell (col, row) at a level's end: small stars flying out
  // from the player, further with each phase from 0 on.
  static void sparkle(QImage& target, int col, int row, int phase);

  // The editor's picture of a code (its legend): the board at the start of play, so the
  // switch red, the blue gate open and the red gate closed; 10 is the enemy. A null image
  // for codes outside 1..15.
  const QImage& editorPicture(int code) const;
  // The same picture four times as large.
  const QImage& editorLargePicture(int code) const;

 private:
  static constexpr std::size_t kCodes = std::size(kCellKinds);
  using Table = std::array<SpriteFrame, kCodes>;  // by cell code; no image: nothing drawn
  using Cutouts = std::array<QImage, kCodes>;     // by cell code, at one cell size
  using Names = std::array<CellArt, kCodes>;      // by cell code

  // The pictures at one cell size above 40 pixels.
  struct Scaled {
    int cell = 0;
    Cutouts red;
    Cutouts blue;
    Cutouts editor;
    std::array<QImage, 8> man;
  };

  static void ensureBoardImage(QImage& target);
  const Scaled& scaledFor(const QImage& target) const;
  Table frames(const Names& names) const;
  Cutouts cutouts(const Names& names, int cell) const;
  QImage cutout(const CellArt& art, QPoint source, int cell) const;
  // The board above a device pixel ratio of 1: the editor's look or play's, with `man` if any.
  void drawScaled(QImage& target, bool editor, bool schakelaar, const Board& veld,
                  const ManPose* man, QRgb background) const;
  static void paste(Blitter& blitter, const Table& table, int code, int x, int y);
  static void pasteCells(Blitter& blitter, const Table& table, const Board& veld);
  void pasteMan(Blitter& blitter, const ManPose& man) const;

  const Pictures& pictures_;
  Names redNames_;   // play, switch state red
  Names blueNames_;  // play, switch state blue
  Names editorNames_;
  Table red_;
  Table blue_;
  Table editor_;
  const QImage& man_;
  const QImage& manmask_;
  std::array<SpriteFrame, 8> manFrames_;  // frame Stap / 40 + 2 * (Kant / 40)
  QImage none_;
  mutable std::optional<Scaled> scaled_;  // for the last cell size drawn
};

}  // namespace dwaalbos
