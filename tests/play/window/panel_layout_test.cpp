// The right-hand panel's texts, pictures and controls all stand clear of each other and of its
// frame, and every text fits its label.
#include <QLabel>

#include <gtest/gtest.h>

#include "play/window/right_panel.h"
#include "play_window_rig.h"

using namespace dwaalbos;

namespace {

constexpr int kFrame = 6;

// Where a widget's content is: the text for labels with text, the whole widget otherwise.
QRect contentOf(const QWidget& widget) {
  const auto* label = qobject_cast<const QLabel*>(&widget);
  if (!label || label->text().isEmpty()) return widget.geometry();
  const QRect box(QPoint(0, 0), label->size());
  const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
  return label->fontMetrics()
      .boundingRect(box, static_cast<int>(label->alignment()) | wrap, label->text())
      .translated(label->pos());
}

std::string describe(const QWidget& widget) {
  const auto* label = qobject_cast<const QLabel*>(&widget);
  return label && !label->text().isEmpty() ? label->text().toStdString()
                                           : widget.metaObject()->className();
}

TEST(PanelLayout, NothingOverlapsAnotherOrTheFrameAndEveryTextFits) {
  QWidget window;
  RightPanel panel(rig::gamePictures(), &window);
  panel.setLevelTitle("Een vrij lange naam", "Wubbe");
  const QRect inside = panel.rect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
  std::vector<const QWidget*> parts;
  for (const QWidget* child : panel.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->geometry() != panel.rect()) parts.push_back(child);  // not the background
  ASSERT_GT(parts.size(), 30u);
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const QRect content = contentOf(*parts[i]);
    SCOPED_TRACE(describe(*parts[i]));
    EXPECT_TRUE(inside.contains(content));
    EXPECT_TRUE(parts[i]->geometry().contains(content));
    for (std::size_t j = i + 1; j < parts.size(); ++j)
      EXPECT_FALSE(content.intersects(contentOf(*parts[j]))) << describe(*parts[j]);
  }
}

}  // namespace
