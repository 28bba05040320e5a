#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>

namespace dwaalbos {

// `Vak`: the 480 x 480 board picture. The game draws into its image; `refresh` shows the
// image at once, so each frame of an animation is seen before the next sleep.
class BoardView : public QWidget {
  Q_OBJECT

 public:
  explicit BoardView(QWidget* parent = nullptr);

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }

  // The colour `Cls` clears to: the board colour in play, black after `leeg`.
  QRgb background() const { return background_; }
  void setBackground(QRgb colour) { background_ = colour; }
  void clear();

  void refresh();

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage image_;
  QRgb background_;
  bool pressed_ = false;
};

}  // namespace dwaalbos
