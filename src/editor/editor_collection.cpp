// The editor's collection commands: a level added to a collection, a collection edited.
#include <QApplication>
#include <QFileInfo>

#include "editor/collection_dialog.h"
#include "editor/editor.h"
#include "editor/live_verdict.h"
#include "level/file_messages.h"
#include "level/shared_state.h"
#include "level/texts.h"
#include "platform/message_boxes.h"

namespace dwaalbos {
namespace {

// A name typed with another extension gets the collection's too, so that adding to "x.dwb" never
// turns that level file into a collection.
std::string collectionPath(const std::string& chosen) {
  const QString path = QString::fromStdString(chosen);
  if (QFileInfo(path).suffix().compare("dws", Qt::CaseInsensitive) == 0) return chosen;
  return chosen + ".dws";
}

}  // namespace

FileDialogSpec Editor::collectionFileDialog() const {
  return {translated("Editor", "Dwaalbos verzameling"),
          translated("Editor", "Dwaalbos Verzameling (*.dws)"), state_.paths.collections(), "dws"};
}

// The live verdict is searched within a little more than a second; when it is still under way the
// same search runs here rather than letting an unproved level in.
Verdict Editor::settledVerdict() {
  verdict_->levelChanged(Veld_);
  if (verdict_->verdict().kind != Verdict::Kind::Busy) return verdict_->verdict();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  Verdict verdict = judgeLevel(Veld_, {});
  QApplication::restoreOverrideCursor();
  return verdict;
}

// Writing a damaged collection anew would lose the levels after the damage.
std::optional<Collection> Editor::changeableCollection(const std::string& path) {
  CollectionRead read = readCollection(path);
  if (read.whole()) return std::move(read.collection);
  showMessage(this, texts::tr(texts::kNotReadTitle),
              read.problem + texts::tr(texts::kBeschadigdBlijft), BoxIcon::Exclamation);
  return std::nullopt;
}

// A new collection is named after its file and made by the level's maker; the player can change
// both with "Verzameling bewerken...".
void Editor::onAddToCollection() {
  const Verdict verdict = settledVerdict();
  if (verdict.kind != Verdict::Kind::Solvable) {
    showMessage(this, texts::tr(texts::kVerzamelingTitle),
                texts::tr(texts::kAlleenOplosbaar) + verdictText(verdict), BoxIcon::Exclamation);
    return;
  }
  const std::string chosen = dialogs_.askFileToExtend(this, collectionFileDialog());
  if (chosen.empty()) return;
  const std::string path = collectionPath(chosen);
  levelFromEditor();
  Collection collection;
  if (fileExists(path)) {
    auto existing = changeableCollection(path);
    if (!existing) return;
    collection = std::move(*existing);
  } else {
    collection.title.Naam =
        QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString();
    collection.title.Maker = Level_.Maker;
  }
  collection.levels.push_back(Level_);
  if (!reportIfNotSaved(path, state_.paths.explained(path, writeCollection(path, collection))))
    return;
  const QString added = QString::fromStdString(texts::tr(texts::kToegevoegd))
                            .arg(collection.levels.size())
                            .arg(QString::fromStdString(collection.title.Naam));
  showMessage(this, texts::tr(texts::kVerzamelingTitle), added.toStdString(), BoxIcon::None);
}

void Editor::onEditCollection() {
  const std::string path = dialogs_.askOpenFile(this, collectionFileDialog());
  if (path.empty()) return;
  auto collection = changeableCollection(path);
  if (!collection) return;
  CollectionDialog dialog(std::move(*collection), this);
  if (dialog.exec() != QDialog::Accepted) return;
  reportIfNotSaved(path, writeCollection(path, dialog.collection()));
}

}  // namespace dwaalbos
