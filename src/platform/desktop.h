#pragma once

#include <string>

namespace dwaalbos {

// What the game asks of the desktop outside its own windows: opening a page with the handler
// the user chose for it, and starting another program. Behind an interface so that tests
// never launch anything.
class Desktop {
 public:
  virtual ~Desktop() = default;

  // A local file path, or an address with a scheme ("https://...", "mailto:..."). False when
  // no handler took it.
  virtual bool openDocument(const std::string& pathOrAddress) = 0;
  // Starts the program in a process of its own, in its own folder; false when it could not
  // be started.
  virtual bool startProgram(const std::string& path) = 0;
};

class SystemDesktop : public Desktop {
 public:
  bool openDocument(const std::string& pathOrAddress) override;
  bool startProgram(const std::string& path) override;
};

}  // namespace dwaalbos
