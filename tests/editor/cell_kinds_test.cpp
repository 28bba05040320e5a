// The table of cell kinds against every part that reads it: a kind added to the table alone
// shows up here as a missing symbol, picture or key.
#include "level/cell_kinds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editor/object_keys.h"
#include "level/level_text.h"
#include "platform/board_painter.h"
#include "support/game_pictures.h"

namespace dwaalbos {
namespace {

// The key the legend names: a main keyboard digit, a function key or Delete.
int qtKeyNamed(const std::string& name) {
  if (name == "Delete") return Qt::Key_Delete;
  if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') return Qt::Key_0 + (name[0] - '0');
  if (name.size() >= 2 && name[0] == 'F') return Qt::Key_F1 + std::stoi(name.substr(1)) - 1;
  return Qt::Key_unknown;
}

TEST(CellKinds, EveryCodeHasASymbolAPictureAndAKeyThatPlacesIt) {
  const Pictures& pictures = testsupport::gamePictures();
  const BoardPainter painter(pictures);
  std::set<char> symbols;
  std::set<std::string> keys;
  std::set<int> places;
  for (std::size_t i = 0; i < std::size(kCellKinds); ++i) {
    const CellKind& kind = kCellKinds[i];
    SCOPED_TRACE(kind.code);
    EXPECT_EQ(kind.code, static_cast<int>(i));

    EXPECT_TRUE(symbols.insert(kind.symbol).second);
    EXPECT_EQ(codeOfSymbol(symbolOfCode(kind.code)), kind.code);

    EXPECT_TRUE(keys.insert(kind.editorKey).second);
    const ObjectKey key = objectKeyFor(qtKeyNamed(kind.editorKey), Qt::NoModifier, 0);
    EXPECT_EQ(key.kind, kind.inPlay ? ObjectKey::Kind::Place : ObjectKey::Kind::NotReady);
    EXPECT_EQ(key.code, kind.code);

    if (kind.code == cell::kEmpty) continue;
    ASSERT_NE(kind.art.picture, nullptr);
    EXPECT_EQ(&painter.editorPicture(kind.code), &pictures.get(kind.art.picture));
    for (const CellArt& art : {kind.art, kind.blueArt})
      for (const char* name : {art.picture, art.mask}) {
        if (name) {
          EXPECT_FALSE(pictures.missing().contains(name)) << name;
        }
      }
    EXPECT_TRUE(places.insert(kind.legendPlace).second);
  }
  EXPECT_EQ(*places.begin(), 0);
  EXPECT_EQ(*places.rbegin(), static_cast<int>(places.size()) - 1);
}

}  // namespace
}  // namespace dwaalbos
