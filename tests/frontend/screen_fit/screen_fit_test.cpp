// The windows on a real X server of a given size, framed by a window manager: the step the
// game starts at, the steps it offers, and windows the window manager resizes.
#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "editor/editor_layout.h"
#include "editor/legend_picture.h"
#include "frontend/application.h"
#include "frontend/menu.h"
#include "level/cell_codes.h"
#include "level/command_line.h"
#include "level/zoom.h"
#include "platform/file_dialogs.h"
#include "play/window/afspelen.h"
#include "play/window/board_view.h"
#include "play/window/window_geometry.h"
#include "support/game_on_temp_folder.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"
#include "support/x_display.h"

namespace dwaalbos::testing {
namespace {

class ScreenFit : public ::testing::Test, protected GameOnTempFolder<SystemFileDialogs> {
 protected:
  static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

  // The window in the frame the window manager gave it fits the screen's free area.
  static bool fitsInItsFrame(const QWidget& window) {
    const QSize frame = window.frameGeometry().size();
    return frame != window.size() && frame.width() <= available().width() &&
           frame.height() <= available().height();
  }
  static bool settles(const std::function<bool()>& ready) { return QTest::qWaitFor(ready, 5000); }

  // The steps a window's "Zoom" menu offers.
  static std::vector<int> offered(const QWidget& window) {
    std::vector<int> steps;
    for (const QAction* item : window.findChildren<QAction*>()) {
      const QString text = item->text();
      if (text.endsWith(QStringLiteral(" %")) && item->isEnabled())
        steps.push_back(text.chopped(2).toInt());
    }
    return steps;
  }

  void showAllWindows() {
    application.start(parseCommandLine({}));
    ASSERT_TRUE(settles([&] { return application.menu().isVisible(); }));
    application.showPlayWindow();
    application.showEditor();
  }

  // The window manager makes the window `size` large, as far as it agrees to.
  void resizeByWindowManager(QWidget& window, QSize size) {
    keyboard.resizeWindow(window.winId(), size.width(), size.height());
    EXPECT_TRUE(settles([&] { return window.size() == size; })) << window.size().width();
    QTest::qWait(200);
  }

  // The board takes whole squares of whole pixels, as large as the window's middle allows.
  static void expectSquareAndWhole(const QWidget& board, QSize layout) {
    const QWidget& middle = *static_cast<QMainWindow*>(board.window())->centralWidget();
    EXPECT_EQ(board.width(), board.height());
    EXPECT_EQ(board.width() % (480 / kCellPixels), 0) << board.width();
    const QRect shown(board.mapTo(&middle, QPoint(0, 0)), board.size());
    EXPECT_TRUE(middle.rect().contains(shown)) << shown.x() << "," << shown.y();
    const double scale = board.width() / 480.0;
    const double room = std::min(middle.width() / double(layout.width()),
                                 middle.height() / double(layout.height()));
    EXPECT_LE(scale, room);
    EXPECT_GT(scale + 1.0 / kCellPixels, room);
    // Centred: the margins left and right, and above and below, differ by a pixel at most.
    const QRect content = board.parentWidget()->geometry();
    EXPECT_LE(std::abs(content.left() - (middle.width() - content.right() - 1)), 1);
    EXPECT_LE(std::abs(content.top() - (middle.height() - content.bottom() - 1)), 1);
  }

  FakeKeyboard keyboard;
};

// The laptop's screen takes the windows at 100 %, the 4K monitor's at 300 %; each step
// offered fits, in its frame, the play window as well as the editor, the widest.
TEST_F(ScreenFit, TheFirstStartTakesTheLargestStepThatFitsAndOnlyStepsThatFitAreOffered) {
  showAllWindows();
  Afspelen& play = application.play();
  Editor& editor = application.editor();
  for (const QWidget* window : {static_cast<QWidget*>(&application.menu()),
                                static_cast<QWidget*>(&play), static_cast<QWidget*>(&editor)})
    EXPECT_TRUE(settles([&] { return fitsInItsFrame(*window); }))
        << window->windowTitle().toStdString();
  const int expected = available().height() >= 2000 ? 300 : 100;
  EXPECT_EQ(application.zoom(), expected);
  EXPECT_EQ(offered(play).back(), expected);
  EXPECT_EQ(offered(editor).back(), expected);
  for (int step : offered(play)) {
    application.chooseZoom(step);
    EXPECT_TRUE(settles([&] { return fitsInItsFrame(play) && fitsInItsFrame(editor); })) << step;
  }
}

TEST_F(ScreenFit, AResizedEditorKeepsItsBoardSquareAndWholeAndAClickPaintsTheSquareUnderIt) {
  showAllWindows();
  Editor& editor = application.editor();
  ASSERT_TRUE(settles([&] { return fitsInItsFrame(editor); }));
  LegendPicture* wall = nullptr;
  for (auto* picture : editor.findChildren<LegendPicture*>())
    if (picture->code() == cell::kWall) wall = picture;
  ASSERT_NE(wall, nullptr);
  // Wider than the layout, then taller: the board is centred across and down.
  const QSize room = available().size();
  for (const QSize size : {QSize(room.width() * 9 / 10, room.height() * 2 / 3),
                           QSize(room.width() / 2 + 7, room.height() * 9 / 10 - 5)}) {
    resizeByWindowManager(editor, size);
    expectSquareAndWhole(editor.Vak(), {editor_layout::kClientWidth, editor_layout::kClientHeight});
    const int square = editor.Vak().width() / (480 / kCellPixels);
    const QPoint wallAt = wall->mapToGlobal(wall->rect().center());
    keyboard.clickAt(wallAt.x(), wallAt.y());
    // The middle of one square, and the last pixel of another.
    const QPoint middle =
        editor.Vak().mapToGlobal(QPoint(5 * square + square / 2, 7 * square + square / 2));
    const QPoint corner = editor.Vak().mapToGlobal(QPoint(11 * square - 1, 3 * square - 1));
    for (const QPoint at : {middle, corner}) {
      keyboard.clickAt(at.x(), at.y());
      QTest::qWait(100);
    }
    EXPECT_TRUE(settles([&] { return editor.veld().at(6, 8) == cell::kWall; }));
    EXPECT_TRUE(settles([&] { return editor.veld().at(11, 3) == cell::kWall; }));
    EXPECT_NE(editor.veld().at(12, 3), cell::kWall);
    EXPECT_NE(editor.veld().at(11, 4), cell::kWall);
  }
}

// The board's last pixel takes a click; the black beside it, one pixel further, does not.
TEST_F(ScreenFit, AResizedPlayWindowKeepsItsBoardSquareAndWholeAndTakesClicksUpToItsEdge) {
  showAllWindows();
  Afspelen& play = application.play();
  ASSERT_TRUE(settles([&] { return fitsInItsFrame(play); }));
  int clicks = 0;
  QObject::connect(&play.board(), &BoardView::clicked, [&] { ++clicks; });
  const QSize room = available().size();
  resizeByWindowManager(play, {room.width() * 4 / 5 + 3, room.height() * 4 / 5});
  expectSquareAndWhole(play.board(), {geometry::kWidePlay, geometry::kPanelHeight});
  const QPoint last = play.board().mapToGlobal(QPoint(0, play.board().height() - 1));
  keyboard.clickAt(last.x(), last.y());
  EXPECT_TRUE(settles([&] { return clicks == 1; }));
  keyboard.clickAt(last.x() - 1, last.y());
  QTest::qWait(300);
  EXPECT_EQ(clicks, 1);
}

// The menu keeps its layout centred in any size: a click on the middle of its editor button,
// wherever that now is, opens the editor.
TEST_F(ScreenFit, AResizedMenuTakesAClickOnItsButtonWhereItIsShown) {
  application.start(parseCommandLine({}));
  Menu& menu = application.menu();
  ASSERT_TRUE(settles([&] { return fitsInItsFrame(menu); }));
  const QSize room = available().size();
  const QSize size(room.width() * 3 / 4, room.height() / 2);
  resizeByWindowManager(menu, size);
  const double scale =
      fittingScale({Menu::kWidth, Menu::kHeight}, {size.width(), size.height()}) / 100;
  const QPointF origin((size.width() - Menu::kWidth * scale) / 2,
                       (size.height() - Menu::kHeight * scale) / 2);
  const QPoint editorButton = menu.mapToGlobal((origin + QPointF(220, 161) * scale).toPoint());
  keyboard.clickAt(editorButton.x(), editorButton.y());
  EXPECT_TRUE(settles([&] { return application.editor().isVisible(); }));
}

}  // namespace
}  // namespace dwaalbos::testing
