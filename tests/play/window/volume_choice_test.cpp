// The music and effects levels as the player sets them in the options menu.
#include "play/window/volume_choice.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QSlider>

#include <gtest/gtest.h>

#include <fstream>

#include "level/volume_file.h"
#include "support/temp_folder.h"
#include "support/window_fakes.h"

using namespace dwaalbos;

namespace {

struct VolumeRig {
  TempFolder folder;
  std::string file = folder.path("Volume.dat");
  QWidget window;
  QMenu menu;
  dwaalbos::testing::RecordingSound sound;

  VolumeChoice& choice() {
    if (!choice_) choice_ = new VolumeChoice(window, menu, sound, file);
    return *choice_;
  }

 private:
  VolumeChoice* choice_ = nullptr;  // owned by the window
};

}  // namespace

TEST(VolumeChoice, TheMenuShowsTheStoredLevelsAndAMoveIsHeardAndKept) {
  VolumeRig rig;
  ASSERT_TRUE(writeVolume(rig.file, {30, 70}));
  VolumeChoice& choice = rig.choice();
  EXPECT_EQ(choice.muziek().value(), 30);
  EXPECT_EQ(choice.geluid().value(), 70);
  ASSERT_EQ(rig.menu.actions().size(), 1);
  rig.menu.actions().front()->trigger();
  EXPECT_TRUE(choice.dialog().isVisible());

  choice.muziek().setValue(0);  // mutes the music, keeps the effects
  EXPECT_EQ(rig.sound.volume, std::make_pair(0, 70));
  EXPECT_EQ(readVolume(rig.file), (Geluidssterkte{0, 70}));
  choice.geluid().triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(rig.sound.volume, std::make_pair(0, 100));
  EXPECT_EQ(readVolume(rig.file), (Geluidssterkte{0, 100}));
}

TEST(VolumeChoice, ADamagedFileStartsAtFullAndIsReplacedAtTheFirstMove) {
  VolumeRig rig;
  std::ofstream(rig.file, std::ios::binary) << "DWVL\xff\xff";
  VolumeChoice& choice = rig.choice();
  EXPECT_EQ(choice.muziek().value(), 100);
  EXPECT_EQ(choice.geluid().value(), 100);
  choice.geluid().setValue(40);
  EXPECT_EQ(readVolume(rig.file), (Geluidssterkte{100, 40}));
}
