#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

namespace dwaalbos::testsupport {

// A window's control found by its object name, the way a player finds it by its place: tests
// drive the real control rather than a method standing in for it.
template <class Control>
Control& namedChild(const QObject& parent, const char* name) {
  auto* found = parent.findChild<Control*>(QString::fromLatin1(name));
  if (!found) throw std::logic_error(std::string("no control named ") + name);
  return *found;
}

}  // namespace dwaalbos::testsupport
