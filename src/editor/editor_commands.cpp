// The editor's file commands: new, open, save, export, print and test.
#include <QLineEdit>
#include <QPlainTextEdit>

#include <memory>

#include "editor/editor.h"
#include "editor/editor_board.h"
#include "editor/level_printout.h"
#include "editor/live_verdict.h"
#include "level/file_messages.h"
#include "level/level_file.h"
#include "level/shared_state.h"
#include "level/texts.h"
#include "platform/bitmap_file.h"
#include "platform/message_boxes.h"
#include "platform/printers.h"
#include "play/port/navigator.h"

namespace dwaalbos {

namespace {

constexpr QRgb kWhite = 0xFFFFFFFFu;

}  // namespace

FileDialogSpec Editor::levelDialog() const {
  return {translated("Editor", "Dwaalbos doolhof"),
          translated("Editor", "Dwaalbos Doolhof (*.dwb)"),
          state_.paths.levels(),
          "dwb",
          {state_.paths.exampleLevels()}};
}

void Editor::onNew() {
  if (mayDiscard(
          translated("Editor", "Het level is nog niet opgeslagen. Toch een nieuw level beginnen?")))
    clearLevel();
}

void Editor::clearLevel() {
  Veld_.clearPlayArea();
  nameBox_->clear();
  makerBox_->clear();
  commentBox_->clear();
  readTexts_ = {};
  changed_ = false;
  freshHistory();
  showTitle();
  edtekenen();
}

void Editor::onOpen() {
  const auto path = dialogs_.askOpenFile(this, levelDialog());
  if (!path.empty()) openen(path);
}

bool Editor::openen(const std::string& path) {
  const auto level = readLevelFile(path);
  if (!level) {
    showMessage(this, texts::tr(texts::kNotReadTitle), levelNotReadText(path),
                BoxIcon::Exclamation);
    return false;
  }
  Level_ = *level;
  showTexts();
  Veld_.copyPlayAreaFrom(Level_.Vakken);
  changed_ = false;
  freshHistory();
  showTitle();
  edtekenen();
  return true;
}

void Editor::showTexts() {
  nameBox_->setText(forBox(Level_.Naam));
  makerBox_->setText(forBox(Level_.Maker));
  commentBox_->setPlainText(forBox(Level_.Commentaar));
  readTexts_ = {{{nameBox_->text(), Level_.Naam},
                 {makerBox_->text(), Level_.Maker},
                 {commentBox_->toPlainText(), Level_.Commentaar}}};
}

// `Level` takes the editor's texts and board; its cells with an index 0 keep their values.
void Editor::levelFromEditor() {
  Level_.Naam = readTexts_[0].forFile(nameBox_->text());
  Level_.Maker = readTexts_[1].forFile(makerBox_->text());
  Level_.Commentaar = readTexts_[2].forFile(commentBox_->toPlainText());
  Level_.Vakken.copyPlayAreaFrom(Veld_);
}

bool Editor::reportIfNotSaved(const std::string& path, const WriteResult& result) {
  if (!result)
    showMessage(this, texts::tr(texts::kNotSavedTitle), notSavedText(path, result),
                BoxIcon::Critical);
  tellIfCut(this, path, result);
  return static_cast<bool>(result);
}

void Editor::onSave() {
  const auto path = dialogs_.askSaveFile(this, levelDialog());
  if (path.empty()) return;
  levelFromEditor();
  if (reportIfNotSaved(path, writeLevelFile(path, Level_))) changed_ = false;
}

void Editor::onExport() {
  const auto path = dialogs_.askSaveFile(
      this, {translated("Editor", "Exporteer plaatje"), "Bitmap (*.bmp)", "", "bmp"});
  if (path.empty()) return;
  edtekenen(kWhite);
  const WriteResult saved = saveBitmap(Vak_->picture(), path);
  edtekenen();
  reportIfNotSaved(path, saved);
}

void Editor::onPrint() {
  const auto printer = printers_.defaultPrinter();
  if (!printer) {
    showMessage(this, texts::tr(texts::kUitprintenTitle), texts::tr(texts::kGeenPrinter),
                BoxIcon::Exclamation);
    return;
  }
  edtekenen(kWhite);
  const QImage board = Vak_->picture();
  edtekenen();
  printLevel(*printer, board, nameBox_->text(), makerBox_->text());
}

void Editor::onTest() {
  setStoppen(true);
  levelFromEditor();
  const std::string path = state_.paths.testLevel();
  if (!reportIfNotSaved(path, state_.paths.explained(path, writeTestLevel(path, Level_)))) {
    setStoppen(false);
    return;
  }
  setEnabled(false);
  // The verdict's shortest way, for the test play's tips.
  navigator_.testPlay(LevelRef::testPlay(path, verdict_->verdict().moves),
                      [this](bool completed) { terugVanTest(completed); });
}

}  // namespace dwaalbos
