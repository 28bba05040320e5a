#pragma once

#include <QImage>
#include <QWidget>

namespace dwaalbos {

// One object of the editor's legend: its picture, which a click chooses for the board's
// left clicks; the chosen one is framed.
class LegendPicture : public QWidget {
  Q_OBJECT

 public:
  LegendPicture(int code, const QImage& picture, const QImage& large, QWidget* parent);

  int code() const { return code_; }
  void setChosen(bool chosen);
  bool chosen() const { return chosen_; }

 signals:
  void clicked(int code);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
  QImage large_;
  int code_;
  bool chosen_ = false;
};

}  // namespace dwaalbos
