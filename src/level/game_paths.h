#pragma once

#include <string>

namespace dwaalbos {

// Every file of the game lives at a fixed place in the program folder.
class GamePaths {
 public:
  explicit GamePaths(std::string programFolder) : folder_(std::move(programFolder)) {}

  const std::string& folder() const { return folder_; }
  std::string standaardlevels() const { return in("standaardlevels"); }
  std::string standaardlevels2() const { return in("standaardlevels2"); }
  std::string progress() const { return in("geluid/Niets.wav"); }
  std::string options() const { return in("Opties.dat"); }
  std::string scores() const { return in("Scores.dat"); }
  std::string testLevel() const { return in("test.dwb"); }
  std::string levels() const { return in("levels"); }
  std::string sounds() const { return in("geluid"); }
  std::string music() const { return in("muziek"); }
  std::string helpPage() const { return in("help/help.htm"); }
  std::string bonusProgram() const { return in("irunin.bin"); }

 private:
  std::string in(const char* name) const { return folder_ + "/" + name; }
  std::string folder_;
};

}  // namespace dwaalbos
