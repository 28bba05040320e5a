#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <optional>

namespace dwaalbos {

// The three ways a pasted pixel meets the pixel below it.
enum class RasterOp {
  SrcCopy,     // the source replaces the destination
  MergePaint,  // destination OR (NOT source): a mask's black turns the destination white
  SrcAnd,      // destination AND source: a picture's white leaves the destination as it was
};

// Two ways of drawing that give the same pixels: the raster operations done straight on the
// image's scanlines, as a device-context copy does them ("Teken met Bitblt"), or through the
// toolkit's painter and its raster-op composition modes ("Teken met Paintpicture").
enum class BlitPath { Scanlines, Painter };

// A 40 x 40 frame of a picture (at `source`), pasted through a mask or opaque. `maskInk` and
// `imageInk` (relative to the frame) hold the pixels that are not white: outside them the two
// masked operations leave the destination as it was, so the paste skips them.
struct SpriteFrame {
  const QImage* image = nullptr;
  const QImage* mask = nullptr;
  QPoint source;
  QRect maskInk;
  QRect imageInk;

  // Measures the ink once; keep the frame for every paste of this picture.
  static SpriteFrame of(const QImage& image, QPoint source, const QImage* mask);
};

// Pastes rectangles into one destination image. Keep one Blitter for a whole redraw: on the
// Painter path it holds a QPainter open on the destination, which must not be painted on by
// anything else until the Blitter is gone. The destination is made Format_RGB32 if it isn't.
class Blitter {
 public:
  Blitter(QImage& dest, BlitPath path);

  // Copies the rectangle `from` of `source` to `to` in the destination, combining by `op`.
  // Parts outside the source or the destination are left out. Coordinates are logical pixels:
  // a destination whose device pixel ratio is above 1 (and a source made alike) is copied in
  // its own pixels, by the scanlines.
  void blit(QPoint to, const QImage& source, QRect from, RasterOp op);

  // `sprite`: the 40 x 40 area of `image` at (bronX, bronY) pasted at (x, y). With a mask
  // (same layout as the image): MERGEPAINT the mask, then SRCAND the image, so that only the
  // object shows; without: SRCCOPY.
  void sprite(int x, int y, const QImage& image, int bronX, int bronY, const QImage* mask);
  // The same paste of a measured frame.
  void sprite(int x, int y, const SpriteFrame& frame);

  // Fills the whole destination with one colour.
  void clear(QRgb colour);

 private:
  void blitPixels(QPoint to, const QImage& source, QRect from, RasterOp op);

  QImage& dest_;
  BlitPath path_;
  std::optional<QPainter> painter_;
};

}  // namespace dwaalbos
