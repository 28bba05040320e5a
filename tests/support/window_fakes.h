#pragma once

// Stand-ins for the world around the windows, for tests of the menu, the editor and the
// application: they record what the windows asked for and never open, play or print anything.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPrinter>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "audio/sound.h"
#include "platform/desktop.h"
#include "platform/file_dialogs.h"
#include "platform/printers.h"
#include "play/port/navigator.h"

namespace dwaalbos::testing {

class RecordingSound : public Sound {
 public:
  void speelgeluid(int slot) override { played.push_back(slot); }
  void sluitgeluid() override { closed = true; }
  void speelmuziek(const std::string& path) override {
    music.push_back("speel " + path);
    paused = false;
  }
  void pauzeermuziek() override {
    music.push_back("pauzeer");
    paused = true;
  }
  void hervatmuziek() override {
    music.push_back("hervat");
    paused = false;
  }
  void stopmuziek() override { music.push_back("stop"); }
  bool muziekpauze() const override { return paused; }
  void geluidssterkte(int muziek, int geluid) override { volume = {muziek, geluid}; }

  std::vector<int> played;
  std::vector<std::string> music;  // the music commands in order
  bool paused = false;
  bool closed = false;
  std::pair<int, int> volume{100, 100};
};

class RecordingNavigator : public Navigator {
 public:
  void showMenu() override { calls.push_back("menu"); }
  void showPlayWindow() override { calls.push_back("play"); }
  void showChooser() override { calls.push_back("chooser"); }
  void showEditor() override { calls.push_back("editor"); }
  void openInEditor(const char* path) override { calls.push_back(std::string("open ") + path); }
  void testPlay(const LevelRef& level, std::function<void(bool)> back) override {
    calls.push_back("test " + level.path);
    tested = level;
    testBack = std::move(back);
  }
  void enableEditor(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
  void quitProgram() override { calls.push_back("quit"); }
  void chooseZoom(int percent) override { calls.push_back("zoom " + std::to_string(percent)); }

  std::vector<std::string> calls;
  std::function<void(bool completed)> testBack;  // the way back the last test play was given
  LevelRef tested;
};

class RecordingDesktop : public Desktop {
 public:
  bool openDocument(const std::string& path) override {
    opened.push_back(path);
    return documentsOpen;
  }
  bool startProgram(const std::string& path) override {
    started.push_back(path);
    return programStarts;
  }

  std::vector<std::string> opened;
  std::vector<std::string> started;
  bool programStarts = true;
  bool documentsOpen = true;
};

// Answers every dialog with `answer` (empty: cancelled) and remembers what was shown.
class AnsweringDialogs : public FileDialogs {
 public:
  std::string askOpenFile(QWidget*, const FileDialogSpec& request) override {
    return answered(request);
  }
  std::string askSaveFile(QWidget*, const FileDialogSpec& request) override {
    return answered(request);
  }
  std::string askFileToExtend(QWidget*, const FileDialogSpec& request) override {
    return answered(request);
  }

  std::string answer;
  std::vector<FileDialogSpec> asked;

 private:
  std::string answered(const FileDialogSpec& request) {
    asked.push_back(request);
    return answer;
  }
};

// A "default printer" that prints into a PDF file, or none at all.
class PdfPrinters : public Printers {
 public:
  std::unique_ptr<QPrinter> defaultPrinter() override {
    if (pdfPath.empty()) return nullptr;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(pdfPath));
    printer->setResolution(kPrinterDotsPerInch);
    return printer;
  }

  std::string pdfPath;
};

// The message boxes that popped up while a test waited for them: title and text.
struct SeenBox {
  std::string title;
  std::string text;
  bool plain;  // shown as written, never read as markup
};

// Answers the next `count` modal message boxes with `button`, each as soon as it is up, and
// records them. Gives up after two seconds without a new box, or when its test has ended: a
// later test's box is not its to answer, and `seen` is gone with the test.
inline void answerNextBox(std::vector<SeenBox>& seen,
                          QMessageBox::StandardButton button = QMessageBox::Ok, int count = 1) {
  struct Answering {
    int left;
    int idlePolls = 0;
  };
  auto* poll = new QTimer;
  poll->setInterval(5);
  auto state = std::make_shared<Answering>(Answering{count});
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  QObject::connect(poll, &QTimer::timeout, poll, [poll, state, &seen, button, test] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    const bool testEnded = ::testing::UnitTest::GetInstance()->current_test_info() != test;
    // Boxes that live on the stack one after another share an address; a mark tells them apart.
    if (testEnded || !box || box->property("answered").toBool()) {
      if (testEnded || ++state->idlePolls > 400) {
        poll->stop();
        poll->deleteLater();
      }
      return;
    }
    state->idlePolls = 0;
    box->setProperty("answered", true);
    seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                    box->textFormat() == Qt::PlainText});
    if (auto* wanted = box->button(button)) wanted->click();
    else box->close();
    if (--state->left == 0) {
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start();
}

}  // namespace dwaalbos::testing
