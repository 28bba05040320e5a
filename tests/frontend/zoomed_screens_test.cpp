// The level's introduction screen and the level chooser at 100 % and 200 %, against pictures
// kept in golden/ (see golden_pictures.h).
#include <QWidget>

#include <gtest/gtest.h>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "frontend/application.h"
#include "frontend/standaard.h"
#include "golden_pictures.h"
#include "play/window/afspelen.h"
#include "play/window/board_view.h"
#include "play/window/splash.h"
#include "support/game_pictures.h"
#include "support/temp_folder.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {
namespace {

class ZoomedScreens : public ::testing::TestWithParam<int> {
 protected:
  ZoomedScreens()
      : application(GamePaths(testsupport::gameFolder().toStdString(), folder.root().string()),
                    {sound, desktop, dialogs, printers}) {
    application.chooseZoom(GetParam());
  }

  QString name(const char* screen) const {
    return QStringLiteral("%1-%2").arg(screen).arg(GetParam());
  }

  TempFolder folder;
  RecordingSound sound;
  RecordingDesktop desktop;
  AnsweringDialogs dialogs;
  PdfPrinters printers;
  Application application;
};

TEST_P(ZoomedScreens, IntroductionLooksAsKept) {
  QWidget owner;
  Splash splash(testsupport::gamePictures(), owner);
  splash.setZoom(GetParam());
  splash.present("Het dwaalbos", "De maker", "Zoek de sleutel en dan de vlag.");
  EXPECT_TRUE(looksLike(splash.grab().toImage(), name("introduction")));
  splash.hide();
}

TEST_P(ZoomedScreens, LevelChooserLooksAsKept) {
  Standaard& chooser = application.chooser();
  chooser.show();
  EXPECT_TRUE(looksLike(chooser.grab().toImage(), name("chooser")));
  chooser.hide();
}

// The boards hold the pixels they are shown with, so that their art is drawn at that size.
TEST_P(ZoomedScreens, BoardsHoldThePixelsTheyAreShownWith) {
  const double scale = GetParam() / 100.0;
  EXPECT_EQ(application.play().board().image().devicePixelRatio(), scale);
  QImage* editorBoard = application.editor().Vak().zoomedPicture();
  EXPECT_EQ(editorBoard ? editorBoard->devicePixelRatio() : 1.0, scale);
  EXPECT_EQ(application.editor().Vak().picture().size(), QSize(480, 480));
}

INSTANTIATE_TEST_SUITE_P(Steps, ZoomedScreens, ::testing::Values(100, 200));

}  // namespace
}  // namespace dwaalbos::testing
