#include "musicgen/spc700_assembler.h"

#include <stdexcept>

namespace dwaalbos::music {

void Spc700Assembler::label(const std::string& name) {
  if (!labels_.emplace(name, here()).second) throw std::logic_error("label defined twice: " + name);
}

void Spc700Assembler::emit(std::initializer_list<unsigned> bytes) {
  for (unsigned byte : bytes) code_.push_back(static_cast<std::uint8_t>(byte));
}

void Spc700Assembler::emitAddress(std::uint16_t address) {
  emit({address & 0xFFu, static_cast<unsigned>(address >> 8)});
}

void Spc700Assembler::clrp() { emit({0x20}); }
void Spc700Assembler::movXImm(std::uint8_t value) { emit({0xCD, value}); }
void Spc700Assembler::movSpX() { emit({0xBD}); }
void Spc700Assembler::movAImm(std::uint8_t value) { emit({0xE8, value}); }
void Spc700Assembler::movYImm(std::uint8_t value) { emit({0x8D, value}); }
// Both two-operand direct-page moves put the source byte first.
void Spc700Assembler::movDpImm(std::uint8_t dp, std::uint8_t value) { emit({0x8F, value, dp}); }
void Spc700Assembler::movDpDp(std::uint8_t to, std::uint8_t from) { emit({0xFA, from, to}); }
void Spc700Assembler::movDpA(std::uint8_t dp) { emit({0xC4, dp}); }
void Spc700Assembler::movADp(std::uint8_t dp) { emit({0xE4, dp}); }
void Spc700Assembler::movYDp(std::uint8_t dp) { emit({0xEB, dp}); }
void Spc700Assembler::movXDp(std::uint8_t dp) { emit({0xF8, dp}); }
void Spc700Assembler::movADpX(std::uint8_t dp) { emit({0xF4, dp}); }
void Spc700Assembler::movDpXA(std::uint8_t dp) { emit({0xD4, dp}); }
void Spc700Assembler::movYDpX(std::uint8_t dp) { emit({0xFB, dp}); }
void Spc700Assembler::movAIndirectY(std::uint8_t dp) { emit({0xF7, dp}); }
void Spc700Assembler::movAAbsX(std::uint16_t address) {
  emit({0xF5});
  emitAddress(address);
}
void Spc700Assembler::movAAbsY(std::uint16_t address) {
  emit({0xF6});
  emitAddress(address);
}
void Spc700Assembler::movXA() { emit({0x5D}); }
void Spc700Assembler::movAX() { emit({0x7D}); }
void Spc700Assembler::movYA() { emit({0xFD}); }
void Spc700Assembler::movAY() { emit({0xDD}); }

void Spc700Assembler::andImm(std::uint8_t value) { emit({0x28, value}); }
void Spc700Assembler::orImm(std::uint8_t value) { emit({0x08, value}); }
void Spc700Assembler::cmpImm(std::uint8_t value) { emit({0x68, value}); }
void Spc700Assembler::adcImm(std::uint8_t value) { emit({0x88, value}); }
void Spc700Assembler::sbcImm(std::uint8_t value) { emit({0xA8, value}); }
void Spc700Assembler::adcDp(std::uint8_t dp) { emit({0x84, dp}); }
void Spc700Assembler::sbcDp(std::uint8_t dp) { emit({0xA4, dp}); }
void Spc700Assembler::clrc() { emit({0x60}); }
void Spc700Assembler::setc() { emit({0x80}); }
void Spc700Assembler::aslA() { emit({0x1C}); }
void Spc700Assembler::rolA() { emit({0x3C}); }
void Spc700Assembler::mulYA() { emit({0xCF}); }
void Spc700Assembler::decX() { emit({0x1D}); }
void Spc700Assembler::incDpX(std::uint8_t dp) { emit({0xBB, dp}); }
void Spc700Assembler::xcnA() { emit({0x9F}); }
void Spc700Assembler::incw(std::uint8_t dp) { emit({0x3A, dp}); }
void Spc700Assembler::tset1(std::uint16_t address) {
  emit({0x0E});
  emitAddress(address);
}
void Spc700Assembler::tclr1(std::uint16_t address) {
  emit({0x4E});
  emitAddress(address);
}

void Spc700Assembler::branch(unsigned opcode, const std::string& target) {
  emit({opcode, 0});
  fixups_.push_back({code_.size() - 1, target, true, code_.size()});
}

void Spc700Assembler::bra(const std::string& target) { branch(0x2F, target); }
void Spc700Assembler::beq(const std::string& target) { branch(0xF0, target); }
void Spc700Assembler::bcs(const std::string& target) { branch(0xB0, target); }
void Spc700Assembler::bcc(const std::string& target) { branch(0x90, target); }
void Spc700Assembler::bpl(const std::string& target) { branch(0x10, target); }

void Spc700Assembler::dbnz(std::uint8_t dp, const std::string& target) {
  emit({0x6E, dp, 0});
  fixups_.push_back({code_.size() - 1, target, true, code_.size()});
}

void Spc700Assembler::absolute(unsigned opcode, const std::string& target) {
  emit({opcode, 0, 0});
  fixups_.push_back({code_.size() - 2, target, false, code_.size()});
}

void Spc700Assembler::jmp(const std::string& target) { absolute(0x5F, target); }
void Spc700Assembler::call(const std::string& target) { absolute(0x3F, target); }
void Spc700Assembler::ret() { emit({0x6F}); }

std::vector<std::uint8_t> Spc700Assembler::finish() const {
  std::vector<std::uint8_t> code = code_;
  for (const Fixup& fixup : fixups_) {
    const auto found = labels_.find(fixup.target);
    if (found == labels_.end()) throw std::logic_error("unknown label: " + fixup.target);
    if (fixup.relative) {
      const int distance = found->second - (origin_ + static_cast<int>(fixup.next));
      if (distance < -128 || distance > 127)
        throw std::logic_error("branch out of reach: " + fixup.target);
      code[fixup.at] = static_cast<std::uint8_t>(distance & 0xFF);
    } else {
      code[fixup.at] = static_cast<std::uint8_t>(found->second & 0xFF);
      code[fixup.at + 1] = static_cast<std::uint8_t>(found->second >> 8);
    }
  }
  return code;
}

}  // namespace dwaalbos::music
