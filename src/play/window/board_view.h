#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <QWidget>

#include <optional>

class QPainter;

namespace dwaalbos {

// `Vak`: the 480 x 480 board picture. The game draws into its image; `refresh` shows the
// image at once, so each frame of an animation is seen before the next sleep. Zoomed, the
// image holds the screen's pixels (its device pixel ratio above 1), in 480 logical pixels.
// Until a level is in play, and again after one was cleared away, the board tells how to start
// one; a level just completed leaves how it went on it instead. While play waits for a click,
// a band across the board says so.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  // The image to draw into, at the pixels the view shows it with now.
  QImage& image();
  const QImage& image() const { return image_; }

  // The colour `clear` fills the board with: the board colour in play, black after `leeg`.
  QRgb background() const { return background_; }
  void setBackground(QRgb colour);
  void clear();

  bool showsStartHint() const { return startHint_ && !result_; }
  static QString startHint();

  // How a completed level went: the moves made, the shortest possible (0: not known, or too
  // large a level to find it), and whether they beat the best kept from before. Shown until
  // the next level or clearing.
  struct Result {
    int moves = 0;
    int shortest = 0;
    bool newBest = false;
    bool tooLarge = false;
  };
  void showResult(const Result& result);
  // The star beside a perfect result, transparent around it, and the same four times as large.
  void setStar(QImage star, QImage large);
  const std::optional<Result>& result() const { return result_; }

  void setPaused(bool paused);
  bool paused() const { return paused_; }

  void refresh();

 signals:
  void clicked();
  // The board was cleared: no level is in play any more.
  void emptied();
  // The image has other pixels now and wants drawing anew.
  void rescaled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void adoptScale();
  void endCleared();
  void paintStartHint(QPainter& painter);
  void paintResult(QPainter& painter);
  void paintStar(QPainter& painter, const QRect& place);
  void paintPause(QPainter& painter);
  bool plain() const;

  QImage image_;
  QRgb background_;
  bool pressed_ = false;
  bool startHint_ = true;
  std::optional<Result> result_;
  QImage star_;
  QImage starLarge_;
  QImage starShown_;  // at the pixels the board last showed it with
  bool paused_ = false;
};

}  // namespace dwaalbos
