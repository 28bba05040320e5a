#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

namespace dwaalbos {

// The main menu as the window shows it: the drifting dots with the title and the buttons over
// them, at the window's pixels. A dot that moves changes only the few pixels it covers: only
// those are drawn anew, and the part of the picture that holds them is handed out to be shown.
class MenuPicture {
 public:
  // The menu's own size, in which the dots move.
  explicit MenuPicture(QSize size);

  // Draws everything anew: `overlay` (the title and the buttons at the menu's own size) over
  // the dots, shown at `pixels`, with `sharp` (the same drawn sharp at that size) over that,
  // or nothing more when `sharp` is null. An enlarged menu shows each of its pixels as a block,
  // and a reduced one blends its pixels, as a smooth scaling would.
  void layout(const QImage& overlay, QSize pixels, const QImage& sharp);
  // Every dot black, drawn anew.
  void clearDots();
  // One pixel of the dots at (x, y) in the menu's own size, in grey (0 is black); a pixel off
  // the menu is ignored.
  void paintDot(int x, int y, int grey);
  struct Dot {
    int x;
    int y;
    int grey;
  };
  // paintDot for each in turn, with the memory of the dots further on asked for ahead: the
  // dots lie far apart, and each one waited for in turn cost more than all the drawing.
  void paintDots(const std::vector<Dot>& dots);

  const QImage& shown() const { return shown_; }
  // The rectangle of `shown()` that holds every pixel changed since the last call.
  QRect takeChanged();
  // The same pixels as blocks of `shown()`, one for each changed pixel of the menu, or nothing
  // when all was drawn anew or they became too many to list.
  const std::vector<QRect>* changedBlocks() const { return listed_ ? &blocks_ : nullptr; }

 private:
  // How the shown pixels of one row or column take the menu's: pixel i blends `taps` from
  // first[i] to first[i + 1]; a menu pixel j reaches the shown pixels reach[j].
  struct Tap {
    int from;
    int weight;  // out of 256
  };
  struct Axis {
    std::vector<int> first;
    std::vector<Tap> taps;
    std::vector<std::pair<int, int>> reach;
  };
  static Axis axis(int menu, int shown);

  // Everything about one of the menu's pixels side by side: a moving dot then costs one trip
  // to memory for its pixel, not one for each layer.
  struct Cell {
    QRgb overlay = 0;   // premultiplied
    QRgb composed = 0;  // the overlay over the dot
    std::uint8_t grey = 0;
  };

  Cell& cell(int x, int y) { return cells_[static_cast<std::size_t>(y * size_.width() + x)]; }
  void rebuild();
  void compose(Cell& cell);
  void showPixel(int column, int row);
  bool onMenu(int x, int y) const {
    return x >= 0 && y >= 0 && x < size_.width() && y < size_.height();
  }

  QSize size_;
  std::vector<Cell> cells_;
  bool laidOut_ = false;
  QImage sharp_;
  QImage shown_;
  Axis columns_;
  Axis rows_;
  QRect changed_;
  std::vector<QRect> blocks_;
  bool listed_ = true;
};

}  // namespace dwaalbos
