#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include <array>
#include <vector>

namespace dwaalbos::irunin {

// The secret open place in the forest at dusk: drifting layers of pines, fireflies, the
// wanderer walking by, the congratulation and one secret after another.
class ForestScene : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 640;
  static constexpr int kHeight = 480;
  static constexpr int kFrameMilliseconds = 33;

  // The wanderer comes from the game's pictures in <gameFolder>/plaatjes.
  explicit ForestScene(const QString& gameFolder);

  // The scene as it looks the given time after it opened.
  void paintScene(QPainter& painter, qint64 milliseconds) const;
  bool animating() const { return timer_.isActive(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Firefly {
    float x;
    float y;
    float phase;
    float speed;
  };

  void runWhileVisible();
  void paintSky(QPainter& painter, qint64 ms) const;
  void paintTrees(QPainter& painter, qint64 ms) const;
  void paintFireflies(QPainter& painter, qint64 ms) const;
  void paintWanderer(QPainter& painter, qint64 ms) const;
  void paintTexts(QPainter& painter, qint64 ms) const;

  std::array<QImage, 3> treeRows_;
  std::vector<Firefly> flies_;
  QImage man_;
  QTimer timer_;
  QElapsedTimer clock_;
};

}  // namespace dwaalbos::irunin
