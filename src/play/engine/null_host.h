#pragma once

#include "host.h"

namespace dwaalbos {

// A host that shows nothing, hears nothing and presses no keys: the base of the hosts that
// play without a window, which override what they need to see.
class NullHost : public Host {
 public:
  void playShown(std::span<const Shown>) override {}
  void showIntroduction(const Introduction&) override {}
  void closeWindow() override {}
  void toMenu() override {}
  void toEditor(bool) override {}
  void openDocument(const std::string&) override {}
  bool keyState(GameKey) override { return false; }
};

}  // namespace dwaalbos
