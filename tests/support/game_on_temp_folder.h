#pragma once

#include <string>

#include "frontend/application.h"
#include "level/game_paths.h"
#include "support/temp_folder.h"
#include "support/test_levels.h"
#include "support/window_fakes.h"

namespace dwaalbos::testing {

// The whole game with real windows on a player's folder of its own, holding empty standard
// sets, or with the data of `dataFolder` when one is given; sound, desktop and printers are
// fakes, the file dialogs `Dialogs`.
template <class Dialogs>
struct GameOnTempFolder {
  explicit GameOnTempFolder(const std::string& dataFolder = "")
      : application(GamePaths(dataFolder.empty() ? folder.root().string() : dataFolder,
                              folder.root().string()),
                    {sound, desktop, dialogs, printers}) {}

  TempFolder folder;
  bool setsWritten = (writeEmptyStandardSets(folder), true);
  RecordingSound sound;
  RecordingDesktop desktop;
  Dialogs dialogs;
  PdfPrinters printers;
  Application application;
};

}  // namespace dwaalbos::testing
