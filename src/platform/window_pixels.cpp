#include "window_pixels.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace dwaalbos {

namespace {

// Whether `address` lies in memory mapped as shared. The X server reads a backing store kept
// in shared memory at each flush; one kept in the program's own memory is sent from what
// Qt's painting marked, so pixels written past the painter would never arrive.
bool inSharedMemory(const void* address) {
  const auto wanted = reinterpret_cast<std::uintptr_t>(address);
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    std::istringstream fields(line);
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
    char dash = 0;
    std::string access;
    fields >> std::hex >> start >> dash >> end >> access;
    if (fields && wanted >= start && wanted < end) return access.size() == 4 && access[3] == 's';
  }
  return false;
}

// The window's backing store as pixels that the display reads by itself, or nothing.
QImage* directStore(QWidget& widget) {
  if (QGuiApplication::platformName() != QLatin1String("xcb") || !widget.isVisible() ||
      widget.devicePixelRatioF() != 1.0)
    return nullptr;
  QWindow* window = widget.window()->windowHandle();
  QBackingStore* store = widget.backingStore();
  if (window == nullptr || !window->isExposed() || store == nullptr) return nullptr;
  QPaintDevice* device = store->paintDevice();
  if (device == nullptr || device->devType() != QInternal::Image) return nullptr;
  auto* image = static_cast<QImage*>(device);
  const QImage::Format format = image->format();
  if ((format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) ||
      image->devicePixelRatio() != 1.0)
    return nullptr;
  // A store is made anew when the window grows; it is looked up once each time.
  static const uchar* checked = nullptr;
  static bool shared = false;
  if (image->constBits() != checked) {
    checked = image->constBits();
    shared = inSharedMemory(checked);
  }
  return shared ? image : nullptr;
}

}  // namespace

bool showPixelsAtOnce(QWidget& widget, const QImage& picture, QPoint at,
                      const std::vector<QRect>& blocks, QRect covered) {
  if (picture.format() != QImage::Format_RGB32) return false;
  QImage* store = directStore(widget);
  if (store == nullptr) return false;
  // Written through its constant pixels: asking for writable ones could detach the image from
  // the memory the display reads.
  auto* pixels = const_cast<uchar*>(store->constBits());
  const qsizetype stride = store->bytesPerLine();
  const QPoint origin = widget.mapTo(widget.window(), at);
  const QRect hidden = covered.translated(widget.mapTo(widget.window(), QPoint()));
  QRect sent;
  for (const QRect& block : blocks) {
    const QRect source = block.intersected(picture.rect());
    const QRect target = source.translated(origin).intersected(store->rect());
    if (target.isEmpty() || target.intersects(hidden)) continue;
    const QPoint from = target.topLeft() - origin;
    const auto bytes = static_cast<std::size_t>(target.width()) * 4;
    for (int row = 0; row < target.height(); ++row)
      std::memcpy(pixels + (target.top() + row) * stride + target.left() * 4,
                  picture.constScanLine(from.y() + row) + from.x() * 4, bytes);
    sent |= target;
  }
  if (!sent.isEmpty()) widget.backingStore()->flush(QRegion(sent), widget.window()->windowHandle());
  return true;
}

}  // namespace dwaalbos
