#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "new_maze_dialog.h"
#include "play/generator/generator.h"
#include "play/session/background_job.h"
#include "wait_note.h"

class QWidget;

namespace dwaalbos {

class FileDialogs;
class GamePaths;

// New mazes for the play window: asks which, makes it beside the window (a note with
// "Annuleren" when that takes long; cancelling changes nothing) and hands the level to `play`
// with the request it was made for.
// A number whose budget ran out is said so, and another offered.
class NewMaze : public QObject {
 public:
  NewMaze(QWidget& window, std::function<void(GeneratedLevel, MazeRequest)> play);

  // The dialog, then the making; nothing when the player cancels it.
  void ask();
  void make(MazeRequest request);
  bool busy() const { return job_.busy(); }
  // From now on every level made is kept in the player's results by what it was made from, so
  // that its result can be shown without making it again.
  void keepMadeIn(const GamePaths& paths) { paths_ = &paths; }

 private:
  void made();
  void cancel();
  void keep(const GeneratedLevel& made) const;

  QWidget& window_;
  const GamePaths* paths_ = nullptr;
  std::function<void(GeneratedLevel, MazeRequest)> play_;
  WaitNote note_;
  MazeRequest asked_;
  BackgroundJob<Generation> job_;  // last: its work ends before the rest goes
};

// "Bewaar als level...": `level` as a level file where the player chooses, in `folder` first;
// a refused write is told.
void saveAsLevel(QWidget& window, FileDialogs& files, const std::string& folder,
                 const Doolhof& level);

}  // namespace dwaalbos
