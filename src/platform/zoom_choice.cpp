#include "zoom_choice.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

#include <utility>

#include "level/zoom.h"

namespace dwaalbos {

int ZoomChoice::largest_ = kZoomSteps.back();
std::vector<ZoomChoice*> ZoomChoice::all_;

void ZoomChoice::limitTo(int largest) {
  largest_ = largest;
  for (ZoomChoice* choice : all_) choice->show(choice->current_);
}

ZoomChoice::~ZoomChoice() { std::erase(all_, this); }

ZoomChoice::ZoomChoice(QWidget& window, QMenu* menu, std::function<void(int percent)> choose)
    : QObject(&window), choose_(std::move(choose)), current_(kDefaultZoom) {
  all_.push_back(this);
  if (menu) {
    QMenu* steps = menu->addMenu(QStringLiteral("&Zoom"));
    auto* group = new QActionGroup(steps);
    for (int step : kZoomSteps) {
      QAction* item = steps->addAction(QStringLiteral("%1 %").arg(step));
      item->setCheckable(true);
      group->addAction(item);
      connect(item, &QAction::triggered, this, [this, step] { choose_(step); });
      items_.push_back(item);
    }
  }
  // Ctrl+= is Ctrl++ on keyboards where plus needs Shift.
  for (const QKeySequence& keys :
       {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)}) {
    auto* larger = new QShortcut(keys, &window);
    connect(larger, &QShortcut::activated, this, [this] {
      const int step = largerZoomStep(current_);
      if (step <= largest_) choose_(step);
    });
  }
  auto* smaller = new QShortcut(QKeySequence::ZoomOut, &window);
  connect(smaller, &QShortcut::activated, this, [this] { choose_(smallerZoomStep(current_)); });
}

void ZoomChoice::show(int percent) {
  current_ = percent;
  for (std::size_t i = 0; i < items_.size(); ++i) {
    items_[i]->setChecked(kZoomSteps[i] == percent);
    items_[i]->setEnabled(kZoomSteps[i] <= largest_);
  }
}

}  // namespace dwaalbos
