#pragma once

#include <gtest/gtest.h>

// Opens SDL_mixer on the silent dummy device, as the game opens it, for a whole test suite.
class MixerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
};
