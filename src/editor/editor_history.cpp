// The editor's undo and redo over the board and the level's texts.
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "editor/editor.h"
#include "level/shared_state.h"
#include "level/translation.h"
#include "platform/captions.h"

namespace dwaalbos {

namespace {

const QKeySequence kCtrlY(Qt::CTRL | Qt::Key_Y);

// Text boxes undo their own typing on the same keys; here the keys go to the editor's history,
// which holds the typing too, in order with the board's changes.
class UndoKeysToEditor : public QObject {
 public:
  explicit UndoKeysToEditor(Editor& editor) : QObject(&editor), editor_(editor) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->matches(QKeySequence::Undo);
    const bool redo =
        key->matches(QKeySequence::Redo) || QKeySequence(key->keyCombination()) == kCtrlY;
    if (!undo && !redo) return false;
    // Taken as a key press here, not as the window's shortcut, which the box would refuse.
    key->accept();
    if (type == QEvent::KeyPress) undo ? editor_.undo() : editor_.redo();
    return true;
  }

 private:
  Editor& editor_;
};

}  // namespace

void Editor::buildHistory() {
  auto* keys = new UndoKeysToEditor(*this);
  for (QWidget* box : {static_cast<QWidget*>(nameBox_), static_cast<QWidget*>(makerBox_),
                       static_cast<QWidget*>(commentBox_)})
    box->installEventFilter(keys);
  connect(nameBox_, &QLineEdit::textEdited, this, [this] { textChanged(kNaamGroup); });
  connect(makerBox_, &QLineEdit::textEdited, this, [this] { textChanged(kMakerGroup); });
  connect(commentBox_, &QPlainTextEdit::textChanged, this,
          [this] { textChanged(kCommentaarGroup); });

  // Between "Level" and "Opties", where desktop programs keep it.
  // A child of the menu bar, as the other menus are, so that it is zoomed with them.
  auto* edit = captions_->menu(new QMenu(menuBar()), DWAALBOS_TR("Editor", "&Bewerken"));
  menuBar()->insertMenu(menuBar()->actions().value(1), edit);
  captions_->action(edit->addAction(QString(), QKeySequence::Undo, this, &Editor::undo),
                    DWAALBOS_TR("Editor", "&Ongedaan maken"));
  QAction* redo = captions_->action(edit->addAction(QString(), this, &Editor::redo),
                                    DWAALBOS_TR("Editor", "Opnieuw &doen"));
  // Ctrl+Y everywhere, beside what the desktop calls redo; a key listed twice would be ambiguous.
  QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
  if (!redoKeys.contains(kCtrlY)) redoKeys.prepend(kCtrlY);
  redo->setShortcuts(redoKeys);
  freshHistory();
}

Editor::EditedLevel Editor::edited() const {
  return {Veld_, nameBox_->text(), makerBox_->text(), commentBox_->toPlainText()};
}

void Editor::freshHistory() { history_.reset(edited()); }

void Editor::recordChange(int group) { history_.record(edited(), group); }

void Editor::textChanged(int group) {
  changed_ = true;
  recordChange(group);
}

void Editor::undo() { restore(history_.undo()); }
void Editor::redo() { restore(history_.redo()); }

void Editor::restore(const EditedLevel* level) {
  if (!level) return;
  Veld_.copyPlayAreaFrom(level->veld);
  nameBox_->setText(level->naam);
  makerBox_->setText(level->maker);
  {
    const QSignalBlocker quiet(commentBox_);
    commentBox_->setPlainText(level->commentaar);
  }
  changed_ = true;
  edtekenen();
}

}  // namespace dwaalbos
