#include <QApplication>
#include <QCoreApplication>

#include <cstdlib>
#include <string>
#include <vector>

#include "audio/sdl_sound.h"
#include "frontend/application.h"
#include "level/command_line.h"
#include "level/game_paths.h"
#include "level/leftovers.h"
#include "level/volume_file.h"
#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/language.h"
#include "platform/message_boxes.h"
#include "platform/printers.h"
#include "platform/termination_signals.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("Dwaalbos");
  // The game ends only through the menu or the play window's quit command.
  QApplication::setQuitOnLastWindowClosed(false);
  const auto paths = dwaalbos::findGamePaths(QCoreApplication::applicationDirPath().toStdString(),
                                             dwaalbos::systemSurroundings());
  dwaalbos::speakStartingLanguage(paths, [](const char* name) { return std::getenv(name); });
  dwaalbos::removeLeftovers(paths);

  dwaalbos::SdlSound sound(paths.folder(), [](const std::string& titel, const std::string& tekst) {
    dwaalbos::showMessage(nullptr, titel, tekst, dwaalbos::BoxIcon::Critical);
  });
  dwaalbos::SystemDesktop desktop;
  dwaalbos::SystemFileDialogs dialogs;
  dwaalbos::SystemPrinters printers;
  dwaalbos::Application game(paths, {sound, desktop, dialogs, printers});

  sound.initgeluid();
  if (const auto volume = dwaalbos::readVolume(paths.volume()))
    sound.geluidssterkte(volume->muziek, volume->geluid);
  auto& spc = sound.Spc();
  spc.Channels(1);
  spc.Bits(16);
  spc.Frequency(48000);
  spc.VolumeMultiplier(2);

  dwaalbos::TerminationSignals endRequests([&game] { game.endOnRequest(); });
  game.start(dwaalbos::parseCommandLine({argv + 1, argv + argc}));
  return QApplication::exec();
}
