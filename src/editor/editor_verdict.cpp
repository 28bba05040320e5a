// The solver's verdict beside the board, and its solution drawn over the board on request.
#include <QAction>
#include <QLabel>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "editor/live_verdict.h"

namespace dwaalbos {

void Editor::buildVerdict() {
  connect(verdict_, &LiveVerdict::changed, this, &Editor::showVerdict);
  showVerdict();
}

// A new verdict comes with every change of the board, so a way shown belongs to a board gone.
void Editor::showVerdict() {
  const Verdict& verdict = verdict_->verdict();
  Oordeel_->setText(QString::fromStdString(verdictText(verdict)));
  toonOplossing_->setEnabled(verdict.kind == Verdict::Kind::Solvable);
  Vak_->showWay({});
}

void Editor::toonOplossing() {
  const Verdict& verdict = verdict_->verdict();
  if (verdict.kind != Verdict::Kind::Solvable) return;
  std::vector<QPoint> way;
  for (const auto& [column, row] : wayCells(verdict_->board(), verdict.moves))
    way.emplace_back(column, row);
  Vak_->showWay(std::move(way));
}

}  // namespace dwaalbos
