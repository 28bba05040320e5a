#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <optional>

#include "support/x_display.h"

// The cases run in windows on an X server of their own, where real key events reach them.
// Only listing the cases needs no server.
int main(int argc, char** argv) {
  bool listing = false;
  for (int i = 1; i < argc; ++i) listing = listing || std::strcmp(argv[i], "--gtest_list_tests") == 0;
  std::optional<dwaalbos::testing::VirtualDisplay> display;
  if (listing) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  } else {
    display.emplace();
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
