// The play window playing what the session showed: drawing, dialogs, captions, and the passes
// run from the event loop.
#include <QAction>
#include <QApplication>
#include <QPainter>

#include <algorithm>

#include "afspelen.h"
#include "audio/sound.h"
#include "board_view.h"
#include "level/shared_state.h"
#include "level/standard_solutions.h"
#include "level/texts.h"
#include "option_controls.h"
#include "platform/desktop.h"
#include "platform/key_state.h"
#include "platform/message_boxes.h"
#include "platform/plain_text.h"
#include "platform/scaled_art.h"
#include "platform/sprite_blit.h"
#include "play/port/navigator.h"
#include "play/window/splash.h"
#include "right_panel.h"
#include "window_geometry.h"

namespace dwaalbos {
namespace {

constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kBlockWay = 0xFF0000FFu;   // a push block's way
constexpr QRgb kPlayerWay = 0xFFFFFFFFu;  // the player's ride
constexpr int kRingFrameMs = 16;
constexpr int kHeldKeyPollMs = 10;
constexpr int kSparkleFrames = 5;
constexpr int kSparkleFrameMs = 100;

BoxIcon boxIcon(Icon icon) {
  switch (icon) {
    case Icon::Exclamation: return BoxIcon::Exclamation;
    case Icon::Critical: return BoxIcon::Critical;
    case Icon::None: break;
  }
  return BoxIcon::None;
}

QString qText(const std::string& utf8) { return QString::fromStdString(utf8); }

// The keys of the game a pass reads: Enter is either of the two.
constexpr std::pair<GameKey, int> kKeyCodes[] = {
    {GameKey::Left, Qt::Key_Left},   {GameKey::Right, Qt::Key_Right},
    {GameKey::Up, Qt::Key_Up},       {GameKey::Down, Qt::Key_Down},
    {GameKey::Space, Qt::Key_Space}, {GameKey::Enter, Qt::Key_Return},
    {GameKey::Enter, Qt::Key_Enter}};

KeySet gameKeys(const QSet<int>& active) {
  KeySet keys;
  for (const auto& [key, code] : kKeyCodes)
    if (active.contains(code)) keys.add(key);
  return keys;
}

// The presses a pass used up are forgotten; the others wait for the next pass.
void forgetPresses(KeySet used) {
  for (const auto& [key, code] : kKeyCodes)
    if (used.has(key)) KeyState::instance().takePress(code);
}

}  // namespace

QImage& Afspelen::vakImage() { return vak_->image(); }

// What a command of the session showed plays now, or after the move under way.
void Afspelen::playSession() { playShown(game_.takeShown()); }

// A move is kept and played at its own pace; the session hears when it has been seen. A
// question opens once the move so far has been seen.
void Afspelen::playMove(const std::vector<Shown>& shown) {
  const bool moved = game_.play().phase() == Phase::Presenting;
  if (moved || game_.play().lastMove().question) presentation_.hold();
  playShown(shown);
  if (askPending() || !moved) return;
  presentation_.play([this] {
    game_.presented();
    drive();
  });
}

// What the rules showed plays in order, at the move's pace when the move is held.
void Afspelen::playShown(std::span<const Shown> items) {
  const auto levelBegun = [](const Shown& item) {
    return std::holds_alternative<shown::LevelBegun>(item);
  };
  // Before `bitBlt` is read: the new level's first pictures come in the same items.
  if (std::ranges::any_of(items, levelBegun)) {
    options_->levelBegun();
    searchShortest();
  }
  const bool bitBlt = opties().MetBitBlt;
  for (const Shown& item : items)
    std::visit(shown::Handlers{
                   [&](const shown::Redraw& r) {
                     presentation_.add([this, r, bitBlt] {
                       drawAt(r.veld, r.schakelaar, r.col, r.row, r.refresh, bitBlt);
                     });
                   },
                   [&](const shown::Walk& w) { walk(w, bitBlt); },
                   [&](const shown::Face& f) {
                     presentation_.add([this, f] {
                       pose_.kant = facingRow(f.richting);
                       if (f.firstFrame) pose_.stap = 0;
                     });
                   },
                   [&](const shown::Refresh&) { presentation_.add([this] { vak_->refresh(); }); },
                   [&](const shown::Bars& b) { followLines(b); },
                   [&](const shown::Sound& s) {
                     presentation_.add([this, slot = static_cast<int>(s.sample)] {
                       services_.sound.speelgeluid(slot);
                     });
                   },
                   [&](const shown::Wait& w) { presentation_.wait(w.ms); },
                   [&](const shown::KeyCount& k) { setKeyCount(k.keys); },
                   [&](const shown::FlushKeys&) {
                     presentation_.add([] { KeyState::instance().flush(); });
                   },
                   [&](const shown::Tell& t) { message(t.title, t.text, t.icon); },
                   [&](const shown::Celebrate& c) { celebrate(c.col, c.row); },
                   [&](const shown::Reveal& r) { revealBoard(r); },
                   [&](const shown::Cleared&) { clearBoard(); },
                   [&](const shown::ShowWindow&) { showAndFocus(); },
                   [&](const shown::Captions& c) { setLevelCaptions(c.naam, c.maker); },
                   [&](const shown::Title& t) { setTitle(t.text); },
                   [&](const shown::Paused& p) {
                     presentation_.add([this, on = p.on] { vak_->setPaused(on); });
                   },
                   [&](const shown::Result& r) { showResult(r); },
                   [&](const shown::Moves& m) { showMoves(m.moves, m.canUndo, m.canRedo); },
                   [&](const shown::FollowDelay&) {
                     presentation_.add([this, delay = game_.play().playOptions().Lijnvertraging] {
                       options_->showFollowDelay(delay);
                     });
                   },
                   [](const shown::LevelBegun&) {},
                   [&](const shown::Introduce& i) { showIntroduction(i.texts); },
                   [&](const shown::Leaving&) { saveOptions(); },
                   [&](const shown::ToMenu&) { toMenu(); },
                   [&](const shown::ToEditor& e) { toEditor(e.completed); },
                   [&](const shown::NextMaze& n) {
                     presentation_.add([this, n] {
                       newMaze_.make({static_cast<Difficulty>(n.difficulty),
                                      n.seed > kLargestSeed ? 1 : n.seed});
                     });
                   },
                   [&](const shown::OpenDocument& o) {
                     presentation_.add(
                         [this, address = o.address] { services_.desktop.openDocument(address); });
                   },
               },
               item);
}

// The game as it is now, for the window's own redraws (a tip shown and gone).
void Afspelen::tekenen(bool verversen) {
  presentation_.add(
      [this, state = game_.play().gameState(), bitBlt = opties().MetBitBlt, verversen] {
        drawAt(state.veld, state.schakelaar, state.col, state.row, verversen, bitBlt);
      });
}

void Afspelen::drawAt(const Board& veld, bool schakelaar, int col, int row, bool verversen,
                      bool bitBlt) {
  pose_.manX = (col - 1) * kCellPixels;
  pose_.manY = (row - 1) * kCellPixels;
  draw(veld, schakelaar, pose_, bitBlt);
  if (verversen) vak_->refresh();
}

void Afspelen::draw(const Board& veld, bool schakelaar, const ManPose& man, bool bitBlt) {
  const QRgb background = inBuffer_ ? kBoardBackground : vak_->background();
  painter_.tekenen(target(), veld, schakelaar, man, bitBlt, background);
  if (tipCell_) BoardPainter::outline(target(), tipCell_->first, tipCell_->second);
}

// Five frames of 8 pixels, each with the next walking frame; pushed blocks slide along.
void Afspelen::walk(const shown::Walk& w, bool bitBlt) {
  const int dx = dir::dx(w.richting);
  const int dy = dir::dy(w.richting);
  const auto shared = std::make_shared<const shown::Walk>(w);
  for (int s = 1; s <= 5; ++s) {
    presentation_.add([this, shared, s, dx, dy, bitBlt] {
      const shown::Walk& w = *shared;
      pose_.manX = (w.col - 1) * kCellPixels + 8 * s * dx;
      pose_.manY = (w.row - 1) * kCellPixels + 8 * s * dy;
      pose_.stap = pose_.stap != 0 ? 0 : 40;
      pose_.kant = facingRow(w.richting);
      draw(w.veld, w.schakelaar, pose_, bitBlt);
      for (int i = 1; i <= w.blocks; ++i)
        painter_.pasteObject(target(), cell::kPushBlock, pose_.manX + i * dx * kCellPixels,
                             pose_.manY + i * dy * kCellPixels, w.schakelaar, bitBlt);
      vak_->refresh();
    });
    presentation_.wait(w.frameMs);
  }
}

// Each piece of the way is a bar from its cell's centre towards the next cell, reaching a
// cell's length sideways and a little further up or down; the corners are inclusive.
void Afspelen::followLines(const shown::Bars& bars) {
  constexpr int kHalfWidth = 2;  // the bar's pixels either side of the centre line
  constexpr int kVerticalReach = kCellPixels + kHalfWidth;
  for (const auto& piece : bars.pieces) {
    presentation_.add([this, piece] {
      const int cx = piece.LijnX * kCellPixels - kCellPixels / 2;  // the cell's centre
      const int cy = piece.LijnY * kCellPixels - kCellPixels / 2;
      const int h = kHalfWidth;
      QRect bar;
      switch (piece.Lijnrichting) {
        case Direction::Up:
          bar = QRect(QPoint(cx - h, cy - kVerticalReach), QPoint(cx + h, cy + h));
          break;
        case Direction::Left:
          bar = QRect(QPoint(cx - kCellPixels, cy - h), QPoint(cx - 1, cy + h));
          break;
        case Direction::Down:
          bar = QRect(QPoint(cx - h, cy - h), QPoint(cx + h, cy + kVerticalReach));
          break;
        case Direction::Right:
          bar = QRect(QPoint(cx, cy - h), QPoint(cx + kCellPixels - 1, cy + h));
          break;
        default: break;
      }
      if (!bar.isNull()) {
        QPainter painter(&vakImage());
        painter.fillRect(bar, QColor::fromRgb(piece.Isblok ? kBlockWay : kPlayerWay));
      }
      vak_->refresh();
    });
    presentation_.wait(bars.pieceMs);
  }
}

// The player on the end square, a few sparkles around him, for about half a second.
void Afspelen::celebrate(int col, int row) {
  for (int phase = 0; phase < kSparkleFrames; ++phase) {
    presentation_.add([this, col, row, phase] {
      BoardPainter::sparkle(vakImage(), col, row, phase);
      vak_->refresh();
    });
    presentation_.wait(kSparkleFrameMs);
  }
}

// The ring transition plays from the presentation's timer like a move, so the window's event
// loop runs on while it shows. Each ring is shown for at least one frame of a 60 Hz screen:
// drawn as fast as a machine of today can, the 58 rings would pass unseen.
// The new board shows the player as he last stood, with or without the ring; he turns to the
// right, feet together, only after it (the Face that follows).
void Afspelen::revealBoard(const shown::Reveal& start) {
  const bool bitBlt = opties().MetBitBlt;
  if (!start.transition) {
    presentation_.add([this, start, bitBlt] { showNewBoard(start, bitBlt); });
    return;
  }
  const bool ownPace = !presentation_.holding();
  presentation_.hold();
  presentation_.add([this, start, bitBlt] {
    rescale(transitionBuffer_, vakImage().devicePixelRatio());
    inBuffer_ = true;
    drawAt(start.veld, start.schakelaar, start.col, start.row, false, bitBlt);
    inBuffer_ = false;
    vak_->setCursor(Qt::WaitCursor);
  });
  for (auto& ring : ringSteps(geometry::kBoard, geometry::kBoard)) {
    presentation_.add([this, ring = std::move(ring)] { copyRing(ring); });
    presentation_.wait(kRingFrameMs);
  }
  presentation_.add([this, start, bitBlt] {
    vak_->unsetCursor();
    showNewBoard(start, bitBlt);
  });
  if (ownPace) presentation_.play([this] { drive(); });
}

void Afspelen::copyRing(const std::vector<RingBlock>& ring) {
  {
    Blitter blitter(vakImage(), BlitPath::Scanlines);
    for (const RingBlock& block : ring)
      blitter.blit({block.x, block.y}, transitionBuffer_,
                   {block.x, block.y, block.size, block.size}, RasterOp::SrcCopy);
  }
  vak_->refresh();
}

void Afspelen::showNewBoard(const shown::Reveal& start, bool bitBlt) {
  vak_->setBackground(kBoardBackground);
  drawAt(start.veld, start.schakelaar, start.col, start.row, true, bitBlt);
}

void Afspelen::clearBoard() {
  presentation_.add([this] {
    vak_->setBackground(kBlack);
    vak_->clear();
    vak_->refresh();
  });
}

void Afspelen::showResult(const shown::Result& result) {
  presentation_.add([this, result] {
    resultKey_ = result.key;
    BoardView::Result shown{result.moves,
                            static_cast<int>(shortestSolution(result.levelNumber).size()),
                            result.newBest};
    if (const auto known = shortest_.of(result.key); known && result.levelNumber == 0) {
      shown.shortest = known->moves;
      shown.tooLarge = known->tooLarge;
    }
    vak_->showResult(shown);
  });
}

// A level that is not standard is searched for its shortest way while it is played.
void Afspelen::searchShortest() {
  shortest_.follow(game_, [this] {
    QMetaObject::invokeMethod(this, &Afspelen::shortestFound, Qt::QueuedConnection);
  });
}

// Found after the level's end: the result on the board gets it.
void Afspelen::shortestFound() {
  shortest_.collect();
  const auto known = shortest_.of(resultKey_);
  if (!known || !vak_->result() || resultKey_ == 0) return;
  BoardView::Result shown = *vak_->result();
  shown.shortest = known->moves;
  shown.tooLarge = known->tooLarge;
  vak_->showResult(shown);
}

void Afspelen::showAndFocus() {
  presentation_.add([this] {
    if (!isVisible()) show();
    activateWindow();
    vak_->setFocus();
  });
}

// A box opens after the player has seen what came before it, and what follows waits for it.
void Afspelen::message(const std::string& title, const std::string& text, Icon icon) {
  presentation_.box([this, title, text, icon](Presentation::Step closed) {
    tellLater(this, title, text, boxIcon(icon), std::move(closed));
  });
}

void Afspelen::setKeyCount(int keys) {
  presentation_.add([this, keys] {
    panel_->setKeyCount(keys);
    menus_.setKeyCount(keys);
  });
}

// A move, an undo or a new attempt makes a shown tip stale.
void Afspelen::showMoves(int moves, bool canUndo, bool canRedo) {
  presentation_.add([=, this] {
    tipCell_.reset();
    panel_->setMoves(moves);
    menus_.undoItem->setEnabled(canUndo);
    menus_.redoItem->setEnabled(canRedo);
    moves_ = moves;
    showTitle();
  });
}

void Afspelen::setLevelCaptions(const std::string& naam, const std::string& maker) {
  presentation_.add([this, naam, maker] { panel_->setLevelTitle(qText(naam), qText(maker)); });
}

void Afspelen::setTitle(const std::string& title) {
  presentation_.add([this, title] {
    title_ = qText(title);
    showTitle();
  });
}

// A test play has no panel: its title counts the moves. Until play begins, the window has only
// the game's name for a title.
void Afspelen::showTitle() {
  if (title_.isEmpty()) {
    setWindowTitle(QString::fromStdString(texts::tr(texts::kSpelTitel)));
    return;
  }
  const QString counted =
      QString::fromStdString(texts::tr(texts::kTitelMetZetten)).arg(title_).arg(moves_);
  setWindowTitle(plainTitle(testLayout_ ? counted : title_));
}

void Afspelen::showIntroduction(const Introduction& texts) {
  presentation_.add([this] {
    title_.clear();
    showTitle();
  });
  setEnabled(false);
  if (!splash_) {
    splash_ = std::make_unique<Splash>(services_.pictures, *this);
    splash_->setZoom(zoom_);
    connect(splash_.get(), &Splash::dismissed, this, &Afspelen::verderFromSplash);
  }
  splash_->present(qText(texts.naam), qText(texts.maker), qText(texts.commentaar));
}

// `verder`: the introduction screen is gone; the level starts.
void Afspelen::verderFromSplash() {
  regainInput();
  game_.toetsenleeg();
  game_.verder();
  const bool watch = watching_ && game_.replay(*std::exchange(watching_, std::nullopt));
  playSession();
  if (watch) drive();
}

void Afspelen::toMenu() {
  presentation_.add([this] {
    services_.sound.stopmuziek();
    hide();
    services_.navigator.showMenu();
  });
}

// Leaving a test play unloads the window: its music list is made anew when it next shows.
void Afspelen::toEditor(bool completed) {
  presentation_.add([this, completed] {
    unloaded_ = true;
    hide();
    if (auto back = std::exchange(testBack_, nullptr)) back(completed);
  });
}

// A pass runs when a key went down or up and after a move has been shown; a held key keeps
// the game passing, and without one the game waits for the next event.
void Afspelen::drive(int afterMilliseconds) {
  if (mayPlay()) driver_.start(afterMilliseconds);
}

// The game stands still while anything else holds the input: a box or dialog of this window
// (its own nested loop still delivers key events), the chooser or the introduction screen, or
// while help is searched for.
bool Afspelen::mayPlay() const {
  return game_.play().gameRunning() && !presentation_.holding() &&
         !game_.play().lastMove().question && !help_.searching() && isEnabled() &&
         !QApplication::activeModalWidget();
}

// One pass: the keys are read once and handed in, and what the session showed plays. A held
// key that did nothing (an arrow against a wall, space beside the switch) is looked at again a
// little later rather than at once, so that holding it does not keep a core busy.
void Afspelen::drivePass() {
  if (!mayPlay()) return;
  const KeyState::Now keys = KeyState::instance().now();
  PassResult pass = game_.pass(gameKeys(keys.active));
  forgetPresses(pass.used);
  playMove(pass.shown);
  if (!game_.play().lastMove().question && keys.anyDown) drive(kHeldKeyPollMs);
}

// A question that stopped the game opens once the move so far has been seen; the window's
// event loop runs on meanwhile, and the answer lets the game go on, maybe to the next one.
bool Afspelen::askPending() {
  const auto& pending = game_.play().lastMove().question;
  if (!pending) return false;
  presentation_.box([this, question = *pending](Presentation::Step closed) {
    askYesNoLater(this, question.title, question.text, BoxIcon::None,
                  [this, closed = std::move(closed)](bool yes) {
                    closed();
                    game_.answer(yes);
                    playMove(game_.takeShown());
                  });
  });
  presentation_.resume();
  return true;
}

}  // namespace dwaalbos
