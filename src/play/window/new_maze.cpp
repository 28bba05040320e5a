#include "new_maze.h"

#include <QString>

#include <random>

#include "level/content_key.h"
#include "level/file_messages.h"
#include "level/game_paths.h"
#include "level/level_file.h"
#include "level/level_results.h"
#include "level/texts.h"
#include "platform/file_dialogs.h"
#include "platform/message_boxes.h"

namespace dwaalbos {
namespace {

// A number no one told: any of them, unlike the level of the day.
std::uint32_t freshSeed() {
  std::random_device device;
  return std::uniform_int_distribution<std::uint32_t>(1, kLargestSeed)(device);
}

}  // namespace

NewMaze::NewMaze(QWidget& window, std::function<void(GeneratedLevel, MazeRequest)> play)
    : window_(window), play_(std::move(play)), note_(window, [this] { cancel(); }) {}

void NewMaze::ask() {
  NewMazeDialog dialog(&window_, asked_.difficulty);
  if (dialog.exec() == QDialog::Accepted) make(dialog.request());
}

void NewMaze::make(MazeRequest request) {
  if (!request.seed) request.seed = freshSeed();
  asked_ = request;
  job_.start(
      [request](std::stop_token stop) {
        return generateLevel(request.difficulty, *request.seed, std::move(stop));
      },
      [this] { QMetaObject::invokeMethod(this, &NewMaze::made, Qt::QueuedConnection); });
  note_.begin(texts::kDoolhofMaken, texts::kAnnuleren);
}

void NewMaze::cancel() {
  job_.stop();
  note_.end();
}

void NewMaze::made() {
  std::optional<Generation> generation = job_.take();
  if (!generation) return;  // cancelled as it came
  note_.end();
  switch (generation->outcome) {
    case GenerateOutcome::Made:
      keep(*generation->made);
      play_(std::move(*generation->made), asked_);
      break;
    case GenerateOutcome::BudgetSpent: {
      const std::string text = QString::fromStdString(texts::tr(texts::kGeenDoolhof))
                                   .arg(QString::fromStdString(shownName(asked_.difficulty)))
                                   .arg(*asked_.seed)
                                   .toStdString();
      if (askYesNo(&window_, texts::tr(texts::kNieuwDoolhofTitle), text, BoxIcon::Question))
        make({asked_.difficulty, std::nullopt});
      break;
    }
    case GenerateOutcome::Stopped: break;
  }
}

// A refusal is not told: the level plays and its result is kept all the same; only the
// chooser cannot show that result before the level is made again.
void NewMaze::keep(const GeneratedLevel& made) const {
  if (!paths_) return;
  recordMadeLevel(paths_->locked(paths_->levelResults()), madeFrom(asked_.difficulty, *asked_.seed),
                  contentKey(made.level));
}

void saveAsLevel(QWidget& window, FileDialogs& files, const std::string& folder,
                 const Doolhof& level) {
  const std::string path = files.askSaveFile(
      &window,
      {texts::tr(texts::kBewaarAlsLevelTitle), texts::tr(texts::kLevelFilterDwb), folder, "dwb"});
  if (path.empty()) return;
  const WriteResult written = writeLevelFile(path, level);
  if (!written)
    showMessage(&window, texts::tr(texts::kNotSavedTitle), notSavedText(path, written),
                BoxIcon::Critical);
  tellIfCut(&window, path, written);
}

}  // namespace dwaalbos
