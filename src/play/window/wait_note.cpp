#include "wait_note.h"

#include <QProgressDialog>

#include "level/texts.h"
#include "platform/zoomed_dialogs.h"

namespace dwaalbos {
namespace {

constexpr int kQuietMs = 300;  // work shorter than this goes unannounced

}  // namespace

WaitNote::WaitNote(QWidget& window, std::function<void()> stop)
    : window_(window), stop_(std::move(stop)) {
  delay_.setSingleShot(true);
  connect(&delay_, &QTimer::timeout, this, &WaitNote::show);
}

void WaitNote::begin(const char* text, const char* stopLabel) {
  text_ = text;
  stopLabel_ = stopLabel;
  delay_.start(kQuietMs);
}

void WaitNote::show() {
  if (note_) return;
  note_ = new QProgressDialog(QString::fromStdString(texts::tr(text_)),
                              QString::fromStdString(texts::tr(stopLabel_)), 0, 0, &window_);
  note_->setWindowTitle(QString::fromStdString(texts::tr(texts::kSpelTitel)));
  note_->setWindowModality(Qt::WindowModal);
  note_->setAutoClose(false);
  note_->setAutoReset(false);
  note_->setMinimumDuration(0);
  zoomDialog(*note_);
  connect(note_, &QProgressDialog::canceled, this, [this] { stop_(); });
  note_->show();
}

void WaitNote::end() {
  delay_.stop();
  if (!note_) return;
  note_->disconnect(this);
  note_->hide();
  note_->deleteLater();
  note_ = nullptr;
}

}  // namespace dwaalbos
