#include "volume_choice.h"

#include <QAction>
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QMenu>
#include <QSlider>

#include "audio/sound.h"
#include "level/translation.h"
#include "level/volume_file.h"
#include "platform/captions.h"

namespace dwaalbos {
namespace {

QSlider* slider(int value, QWidget* parent) {
  auto* made = new QSlider(Qt::Horizontal, parent);
  made->setRange(0, kMaxVolume);
  made->setPageStep(10);
  made->setValue(value);
  made->setMinimumWidth(160);
  return made;
}

}  // namespace

VolumeChoice::VolumeChoice(QWidget& window, QMenu& menu, Sound& sound, std::string file)
    : QObject(&window), sound_(sound), file_(std::move(file)) {
  // A missing or damaged file leaves both at full, as the game starts without one.
  const Geluidssterkte stored = readVolume(file_).value_or(Geluidssterkte{});
  dialog_ = new QDialog(&window);
  auto& captions = *new Captions(*dialog_, "VolumeChoice");
  captions.windowTitle(*dialog_, DWAALBOS_TR("VolumeChoice", "Geluidssterkte"));
  muziek_ = slider(stored.muziek, dialog_);
  geluid_ = slider(stored.geluid, dialog_);
  auto* form = new QFormLayout(dialog_);
  form->addRow(captions.label(new QLabel(dialog_), DWAALBOS_TR("VolumeChoice", "Muziek")), muziek_);
  form->addRow(captions.label(new QLabel(dialog_), DWAALBOS_TR("VolumeChoice", "Geluid")), geluid_);
  for (QSlider* each : {muziek_, geluid_}) {
    connect(each, &QSlider::valueChanged, this, [this, each] { changed(!each->isSliderDown()); });
    connect(each, &QSlider::sliderReleased, this, [this] { changed(true); });
  }
  QAction* item =
      captions.action(menu.addAction(QString()), DWAALBOS_TR("VolumeChoice", "&Geluidssterkte..."));
  connect(item, &QAction::triggered, dialog_, &QDialog::show);
}

// While a slider is dragged the level is heard at every step and kept when it is let go.
void VolumeChoice::changed(bool keep) {
  const Geluidssterkte volume{muziek_->value(), geluid_->value()};
  sound_.geluidssterkte(volume.muziek, volume.geluid);
  // A level that cannot be kept still holds for this run.
  if (keep) static_cast<void>(writeVolume(file_, volume));
}

}  // namespace dwaalbos
