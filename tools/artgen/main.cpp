// Draws every picture of the game and saves it as plaatjes/<name>.png in the game folder, and
// four times as large as plaatjes/<name>@4x.png.
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <set>

#include "checks.h"
#include "gallery.h"

namespace {

using artgen::Gallery;

Gallery drawEverything(int scale) {
  Gallery gallery;
  artgen::addBoardTiles(gallery, scale);
  artgen::addBoardObjects(gallery, scale);
  artgen::addGates(gallery, scale);
  artgen::addWanderer(gallery, scale);
  artgen::addPanel(gallery, scale);
  artgen::addMenuArt(gallery, scale);
  artgen::addSplash(gallery, scale);
  return gallery;
}

// Every catalogued picture is drawn once, at its size times `scale`, and nothing else is.
bool matchesCatalogue(const Gallery& gallery, int scale) {
  bool good = true;
  std::set<QString> drawn;
  for (const auto& [name, image] : gallery) {
    if (!drawn.insert(name).second) {
      std::fprintf(stderr, "artgen: %s drawn twice\n", qPrintable(name));
      good = false;
    }
  }
  for (const auto& entry : dwaalbos::plaatje::kAll) {
    const auto found = std::find_if(gallery.begin(), gallery.end(),
                                    [&](const auto& item) { return item.first == entry.name; });
    if (found == gallery.end()) {
      std::fprintf(stderr, "artgen: %s not drawn\n", entry.name);
      good = false;
    } else if (found->second.size() != QSize(entry.width, entry.height) * scale) {
      std::fprintf(stderr, "artgen: %s has the wrong size\n", entry.name);
      good = false;
    }
  }
  for (const QString& name : drawn) {
    const auto known =
        std::any_of(std::begin(dwaalbos::plaatje::kAll), std::end(dwaalbos::plaatje::kAll),
                    [&](const auto& entry) { return name == entry.name; });
    if (!known) {
      std::fprintf(stderr, "artgen: %s is not in the catalogue\n", qPrintable(name));
      good = false;
    }
  }
  return good;
}

int drawPictures(const QString& folder, int scale, const QString& suffix) {
  const Gallery gallery = drawEverything(scale);
  const QStringList problems = artgen::pictureProblems(gallery, scale);
  for (const QString& problem : problems) std::fprintf(stderr, "artgen: %s\n", qPrintable(problem));
  if (!matchesCatalogue(gallery, scale) || !problems.isEmpty() || !QDir().mkpath(folder)) return 1;
  for (const auto& [name, image] : gallery) {
    const QString file = folder + "/" + name + suffix + ".png";
    if (!image.convertToFormat(QImage::Format_RGB32).save(file)) {
      std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}

int drawPictures(const QString& folder) {
  const int normal = drawPictures(folder, 1, QString());
  if (normal != 0) return normal;
  return drawPictures(folder, dwaalbos::plaatje::kLargeScale,
                      QString::fromLatin1(dwaalbos::plaatje::kLargeSuffix));
}

// The program's and its file types' icons at the sizes of the hicolor icon theme that desktops
// look for; a file type's icon is named after the type.
int drawDesktopIcons(const QString& theme) {
  const struct {
    const char* folder;
    const char* name;
    QImage (*draw)(int size);
  } icons[] = {{"apps", "dwaalbos", artgen::desktopIcon},
               {"mimetypes", "application-x-dwaalbos-level", artgen::levelFileIcon},
               {"mimetypes", "application-x-dwaalbos-collection", artgen::collectionFileIcon}};
  for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
    for (const auto& icon : icons) {
      const QString folder = QStringLiteral("%1/%2x%2/%3").arg(theme).arg(size).arg(icon.folder);
      const QString file = folder + "/" + icon.name + ".png";
      if (!QDir().mkpath(folder) || !icon.draw(size).save(file)) {
        std::fprintf(stderr, "artgen: cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool icons = argc == 3 && std::strcmp(argv[1], "--icons") == 0;
  if (argc != 2 && !icons) {
    std::fprintf(stderr,
                 "usage: dwaalbos-artgen <picture folder>\n"
                 "       dwaalbos-artgen --icons <icon theme folder>\n");
    return 2;
  }
  try {
    return icons ? drawDesktopIcons(QString::fromLocal8Bit(argv[2]))
                 : drawPictures(QString::fromLocal8Bit(argv[1]));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "artgen: %s\n", error.what());
    return 1;
  }
}
