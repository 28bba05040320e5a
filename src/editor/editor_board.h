#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <optional>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class QPainter;

namespace dwaalbos {

// The editor's board `Vak`: the drawn level and the blue square cursor that the object keys
// act on. The cursor moves with the arrow keys and follows a click or drag of the mouse; the cell
// under the hovering mouse is lit, since that is the one a click changes. A press that gives the
// board the keyboard (the player was typing a name, say) does nothing else.
class EditorBoard : public QWidget {
  Q_OBJECT

 public:
  explicit EditorBoard(QWidget* parent);

  // The board's picture, drawn by the editor's redraw.
  QImage& picture() { return picture_; }
  const QImage& picture() const { return picture_; }
  // Where the screen shows the board with more pixels than its 480, the picture the redraw
  // also draws at those pixels; null otherwise.
  QImage* zoomedPicture();

  // The cursor's top-left pixel, a multiple of 40 in 0..440 both ways.
  QPoint cursor() const { return cursor_; }
  // Moves the cursor one cell; a step off the board is not taken.
  void moveCursor(int dx, int dy);
  // Lines between the cells, on the screen only: the picture that is exported and printed has
  // none.
  void setGrid(bool shown);
  bool grid() const { return grid_; }
  // A way through the cells (column and row 1..12), drawn over them on the screen only; an
  // empty one takes it away.
  void showWay(std::vector<QPoint> cells);
  const std::vector<QPoint>& way() const { return way_; }
  // The cell under the cursor, 1..12 both ways.
  int column() const;
  int row() const;

 signals:
  void keyPressed(QKeyEvent* event);
  // A left (place) or right (clear) press on the cell at column and row 1..12 starts a stroke;
  // every further cell the held button passes over comes once, in order.
  void cellPressed(int column, int row, Qt::MouseButton button);
  void cellDragged(int column, int row, Qt::MouseButton button);
  // The zoomed picture has other pixels now and wants drawing anew.
  void rescaled();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  double zoom() const;  // the widget's size against the board's 480 pixels
  // The cell (0..11 both ways) under a point of the widget; none off the board.
  std::optional<QPoint> cellAt(const QPointF& at) const;
  void putCursorOn(QPoint cell);
  void setHover(std::optional<QPoint> cell);
  void paintGrid(QPainter& painter) const;
  void paintWay(QPainter& painter) const;

  QImage picture_;
  QImage zoomed_;
  QPoint cursor_;
  std::optional<QPoint> hover_;
  bool grid_ = true;
  std::vector<QPoint> way_;
  Qt::MouseButton dragButton_ = Qt::NoButton;
  bool focusPress_ = false;  // the press under way gave the board the keyboard
};

}  // namespace dwaalbos
