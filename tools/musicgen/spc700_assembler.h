#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Just enough of an SPC700 assembler to write a small sound driver: the instructions it uses,
// labels, and relative branches resolved (and range-checked) when the code is finished.
namespace dwaalbos::music {

class Spc700Assembler {
 public:
  explicit Spc700Assembler(std::uint16_t origin) : origin_(origin) {}

  void label(const std::string& name);
  std::uint16_t here() const { return static_cast<std::uint16_t>(origin_ + code_.size()); }

  // Moves and loads. "dp" is a direct-page address (0..255), "abs" a 16-bit address.
  void clrp();                                         // P := 0, direct page at $00xx
  void movXImm(std::uint8_t value);                    // mov x,#value
  void movSpX();                                       // mov sp,x
  void movAImm(std::uint8_t value);                    // mov a,#value
  void movYImm(std::uint8_t value);                    // mov y,#value
  void movDpImm(std::uint8_t dp, std::uint8_t value);  // mov dp,#value
  void movDpDp(std::uint8_t to, std::uint8_t from);    // mov to,from
  void movDpA(std::uint8_t dp);                        // mov dp,a
  void movADp(std::uint8_t dp);                        // mov a,dp
  void movYDp(std::uint8_t dp);                        // mov y,dp
  void movXDp(std::uint8_t dp);                        // mov x,dp
  void movADpX(std::uint8_t dp);                       // mov a,dp+x
  void movDpXA(std::uint8_t dp);                       // mov dp+x,a
  void movYDpX(std::uint8_t dp);                       // mov y,dp+x
  void movAIndirectY(std::uint8_t dp);                 // mov a,[dp]+y
  void movAAbsX(std::uint16_t address);                // mov a,!address+x
  void movAAbsY(std::uint16_t address);                // mov a,!address+y
  void movXA();                                        // mov x,a
  void movAX();                                        // mov a,x
  void movYA();                                        // mov y,a
  void movAY();                                        // mov a,y

  // Arithmetic and logic on A.
  void andImm(std::uint8_t value);
  void orImm(std::uint8_t value);
  void cmpImm(std::uint8_t value);
  void adcImm(std::uint8_t value);  // add with carry
  void sbcImm(std::uint8_t value);  // subtract with borrow (carry clear)
  void adcDp(std::uint8_t dp);
  void sbcDp(std::uint8_t dp);
  void clrc();
  void setc();
  void aslA();
  void rolA();   // shift left through the carry
  void mulYA();  // YA := Y * A
  void decX();
  void incDpX(std::uint8_t dp);       // inc dp+x
  void xcnA();                        // swap the nibbles of A
  void incw(std::uint8_t dp);         // 16-bit increment of dp, dp+1
  void tset1(std::uint16_t address);  // [address] |= a
  void tclr1(std::uint16_t address);  // [address] &= ~a

  // Control flow; branch targets are labels.
  void bra(const std::string& target);
  void beq(const std::string& target);
  void bcs(const std::string& target);
  void bcc(const std::string& target);
  void bpl(const std::string& target);
  void dbnz(std::uint8_t dp, const std::string& target);  // decrement dp, branch unless 0
  void jmp(const std::string& target);
  void call(const std::string& target);
  void ret();

  // The machine code, from the origin; throws std::logic_error for an unknown label or a branch
  // out of reach.
  std::vector<std::uint8_t> finish() const;

 private:
  struct Fixup {
    std::size_t at;  // offset of the byte to fill
    std::string target;
    bool relative;     // one signed byte from the end of the instruction, else a 16-bit address
    std::size_t next;  // offset just after the instruction
  };

  void emit(std::initializer_list<unsigned> bytes);
  void emitAddress(std::uint16_t address);
  void branch(unsigned opcode, const std::string& target);
  void absolute(unsigned opcode, const std::string& target);

  std::uint16_t origin_;
  std::vector<std::uint8_t> code_;
  std::map<std::string, std::uint16_t> labels_;
  std::vector<Fixup> fixups_;
};

}  // namespace dwaalbos::music
