#include "mixer_fixture.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>

void MixerTest::SetUpTestSuite() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
}

void MixerTest::TearDownTestSuite() {
  Mix_CloseAudio();
  SDL_Quit();
}
