#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "support/x_display.h"

// The cases run in windows on an X server of their own, where real key events reach them;
// `--screen=1366x768` gives it a screen of that size. Only listing the cases needs no server.
int main(int argc, char** argv) {
  bool listing = false;
  std::string screen = "1280x1024";
  for (int i = 1; i < argc; ++i) {
    listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
    if (std::strncmp(argv[i], "--screen=", 9) == 0) screen = argv[i] + 9;
  }
  std::optional<dwaalbos::testing::VirtualDisplay> display;
  if (listing) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  } else {
    display.emplace(screen + "x24");
    if (!display->running()) {
      std::cerr << "Xvfb and openbox could not be started\n";
      return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
  }
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
