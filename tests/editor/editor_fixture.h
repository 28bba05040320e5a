#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <memory>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "level/shared_state.h"
#include "platform/key_state.h"
#include "support/game_pictures.h"
#include "support/temp_folder.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {

// An editor on a program folder of its own, opened from the main menu, with recording
// stand-ins for the navigator, the file dialogs and the printer.
class EditorTest : public ::testing::Test {
 protected:
  EditorTest()
      : state(folder.root().string()),
        editor(std::make_unique<Editor>(state, navigator, testsupport::gamePictures(), dialogs,
                                        printers)) {
    std::filesystem::create_directories(folder.path("levels"));
    KeyState::instance().changeHands();
    editor->activate();
  }

  // The editor's level as the editor holds it: board and texts.
  void setTexts(const char* naam, const char* maker, const char* commentaar) {
    editor->nameBox().setText(QString::fromUtf8(naam));
    editor->makerBox().setText(QString::fromUtf8(maker));
    editor->commentBox().setPlainText(QString::fromUtf8(commentaar));
  }

  TempFolder folder;
  SharedState state;
  RecordingNavigator navigator;
  AnsweringDialogs dialogs;
  PdfPrinters printers;
  std::vector<SeenBox> boxes;
  std::unique_ptr<Editor> editor;
};

}  // namespace dwaalbos::testing
