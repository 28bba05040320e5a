#pragma once

#include "host.h"

namespace dwaalbos {

// A host that shows nothing, hears nothing and presses no keys: the base of the hosts that
// play without a window, which override what they need to see.
class NullHost : public Host {
 public:
  void tekenen(bool) override {}
  void refresh() override {}
  void pasteBlock(int, int) override {}
  void drawBar(int, int, int, int, bool) override {}
  void revealBoard(bool) override {}
  void clearBoard() override {}
  void showAndFocus() override {}
  void sleep(int) override {}
  void playSound(int) override {}
  void message(const std::string&, const std::string&, Icon) override {}
  void setKeyCount(int) override {}
  void setLevelCaptions(const std::string&, const std::string&) override {}
  void setTitle(const std::string&) override {}
  void showMoves(int, bool, bool) override {}
  void followDelayChanged() override {}
  void showIntroduction(const Introduction&) override {}
  void closeWindow() override {}
  void toMenu() override {}
  void toEditor(bool) override {}
  void openDocument(const std::string&) override {}
  bool keyState(GameKey) override { return false; }
  void flushKeys() override {}
};

}  // namespace dwaalbos
