#include "zoomed_style.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

#include <cmath>

namespace dwaalbos {
namespace {

class ZoomedStyle : public QProxyStyle {
 public:
  void setPercent(int percent) { percent_ = percent; }
  int percent() const { return percent_; }

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
      case PM_MessageBoxIconSize: return static_cast<int>(std::lround(base * percent_ / 100.0));
      default: return base;
    }
  }

 private:
  int percent_ = 100;
};

}  // namespace

int currentZoom() {
  const auto* style = dynamic_cast<const ZoomedStyle*>(QApplication::style());
  return style ? style->percent() : 100;
}

void zoomIndicators(int percent) {
  auto* style = dynamic_cast<ZoomedStyle*>(QApplication::style());
  if (!style) {
    style = new ZoomedStyle;
    QApplication::setStyle(style);
  }
  style->setPercent(percent);
  for (QWidget* widget : QApplication::allWidgets()) widget->update();
}

}  // namespace dwaalbos
