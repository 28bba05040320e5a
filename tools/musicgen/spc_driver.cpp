#include "musicgen/spc_driver.h"

#include "musicgen/spc700_assembler.h"

namespace dwaalbos::music {

namespace {

// The driver's variables in the direct page.
constexpr std::uint8_t kWait = 0x00;
constexpr std::uint8_t kPointer = 0x02;    // and 0x03
constexpr std::uint8_t kKeyOn = 0x04;      // voices to key on at the next wait
constexpr std::uint8_t kKeyOff = 0x05;     // voices held released
constexpr std::uint8_t kVoiceBase = 0x06;  // the current voice's register number, v * 16
constexpr std::uint8_t kVoiceBit = 0x07;
constexpr std::uint8_t kNoise = 0x08;  // voices playing noise
constexpr std::uint8_t kGain = 0x09;
constexpr std::uint8_t kVoice = 0x0A;     // the current voice's number
constexpr std::uint8_t kFlags = 0x0B;     // the current instrument's flags
constexpr std::uint8_t kPitch = 0x0C;     // and 0x0D: a pitch on its way to the chip
constexpr std::uint8_t kBend = 0x0E;      // the vibrato's pitch offset this frame
constexpr std::uint8_t kBendBase = 0x0F;  // register base of the voice being bent
// Per voice, indexed by its number: the pitch of its note, frames since the note began (cycling
// through the vibrato once past the delay), and whether it sings with vibrato.
constexpr std::uint8_t kBasePitchLow = 0x10;
constexpr std::uint8_t kBasePitchHigh = 0x18;
constexpr std::uint8_t kAge = 0x20;
constexpr std::uint8_t kVibrato = 0x28;

// The processor's ports to its timers and to the sound chip's registers.
constexpr std::uint8_t kControl = 0xF1;
constexpr std::uint8_t kDspAddress = 0xF2;
constexpr std::uint8_t kDspData = 0xF3;
constexpr std::uint8_t kTimer0Target = 0xFA;
constexpr std::uint8_t kTimer0Counter = 0xFD;

// Sound chip registers: per voice (added to v * 16) and global.
constexpr std::uint8_t kVolumeLeft = 0x00;
constexpr std::uint8_t kVolumeRight = 0x01;
constexpr std::uint8_t kPitchLow = 0x02;
constexpr std::uint8_t kPitchHigh = 0x03;
constexpr std::uint8_t kSource = 0x04;
constexpr std::uint8_t kAdsr1 = 0x05;
constexpr std::uint8_t kAdsr2 = 0x06;
constexpr std::uint8_t kGainRegister = 0x07;
constexpr std::uint8_t kKeyOnRegister = 0x4C;
constexpr std::uint8_t kKeyOffRegister = 0x5C;
constexpr std::uint8_t kNoiseRegister = 0x3D;

// Selects the current voice's register `offset`; the value goes to kDspData next.
void selectVoiceRegister(Spc700Assembler& a, std::uint8_t offset) {
  a.movADp(kVoiceBase);
  if (offset != 0) a.orImm(offset);
  a.movDpA(kDspAddress);
}

void nextEventByteToA(Spc700Assembler& a) {
  a.movAIndirectY(kPointer);  // y is 0 wherever this is used
  a.incw(kPointer);
}

void startup(Spc700Assembler& a, const DriverLayout& layout) {
  a.clrp();
  a.movXImm(0xEF);
  a.movSpX();
  a.movDpImm(kTimer0Target, layout.timerTarget);
  a.movDpImm(kControl, 0x01);  // timer 0 on, the boot ROM out of the way
  a.label("restart");
  a.movDpImm(kPointer, static_cast<std::uint8_t>(layout.events & 0xFF));
  a.movDpImm(kPointer + 1, static_cast<std::uint8_t>(layout.events >> 8));
}

// Reads an event byte and either ends the song, or sends the gathered key events and waits.
void dispatchAndWait(Spc700Assembler& a) {
  a.label("next");
  a.movYImm(0);
  nextEventByteToA(a);
  a.cmpImm(0x80);
  a.bcs("voice");
  a.cmpImm(0x00);
  a.beq("restart");
  a.movDpA(kWait);
  a.movDpImm(kDspAddress, kKeyOffRegister);
  a.movDpDp(kDspData, kKeyOff);
  a.movDpImm(kDspAddress, kKeyOnRegister);
  a.movDpDp(kDspData, kKeyOn);
  a.movDpImm(kKeyOn, 0);
  a.label("tick");
  a.movYDp(kTimer0Counter);  // reading the counter clears it
  a.beq("tick");
  a.call("vibrato");
  a.dbnz(kWait, "tick");
  a.bra("next");
}

// A = the event byte $80+v or $C0+v: works out the voice's register base and bit.
void selectVoice(Spc700Assembler& a, const DriverLayout& layout) {
  a.label("voice");
  a.movXA();
  a.andImm(0x07);
  a.movDpA(kVoice);
  a.movYA();
  a.movAAbsY(layout.voiceBits);
  a.movDpA(kVoiceBit);
  a.movAY();
  a.xcnA();
  a.movDpA(kVoiceBase);
  a.movAX();
  a.cmpImm(0xC0);
  a.bcs("release");
}

// Sends kPitch to the pitch registers of the voice whose register base is in `base`.
void writePitch(Spc700Assembler& a, std::uint8_t base) {
  for (std::uint8_t byte : {0, 1}) {
    a.movADp(base);
    a.orImm(static_cast<std::uint8_t>(kPitchLow + byte));
    a.movDpA(kDspAddress);
    a.movDpDp(kDspData, static_cast<std::uint8_t>(kPitch + byte));
  }
}

// The note's own pitch, its age and its instrument's vibrato flag, for the per-frame bending.
void rememberForVibrato(Spc700Assembler& a) {
  a.movXDp(kVoice);
  a.movADp(kPitch);
  a.movDpXA(kBasePitchLow);
  a.movADp(kPitch + 1);
  a.movDpXA(kBasePitchHigh);
  a.movAImm(0);
  a.movDpXA(kAge);
  a.movADp(kFlags);
  a.andImm(kVibratoFlag);
  a.movDpXA(kVibrato);
}

void keyOn(Spc700Assembler& a, const DriverLayout& layout) {
  a.movYImm(0);
  nextEventByteToA(a);
  a.aslA();
  a.aslA();
  a.movXA();
  const std::uint8_t fromTable[] = {kSource, kAdsr1, kAdsr2};
  for (std::uint16_t field = 0; field < 3; ++field) {
    selectVoiceRegister(a, fromTable[field]);
    a.movAAbsX(static_cast<std::uint16_t>(layout.instruments + field));
    a.movDpA(kDspData);
  }
  a.movAAbsX(static_cast<std::uint16_t>(layout.instruments + 3));
  a.movDpA(kFlags);
  a.andImm(kNoiseFlag);
  a.beq("tonal");
  a.movADp(kVoiceBit);
  a.tset1(kNoise);
  a.bra("noise chosen");
  a.label("tonal");
  a.movADp(kVoiceBit);
  a.tclr1(kNoise);
  a.label("noise chosen");
  a.movDpImm(kDspAddress, kNoiseRegister);
  a.movDpDp(kDspData, kNoise);

  a.movYImm(0);
  nextEventByteToA(a);
  a.aslA();
  a.movXA();
  a.movAAbsX(layout.pitches);
  a.movDpA(kPitch);
  a.movAAbsX(static_cast<std::uint16_t>(layout.pitches + 1));
  a.movDpA(kPitch + 1);
  writePitch(a, kVoiceBase);
  rememberForVibrato(a);

  for (std::uint8_t side : {kVolumeLeft, kVolumeRight}) {
    selectVoiceRegister(a, side);
    nextEventByteToA(a);
    a.movDpA(kDspData);
  }
  a.movADp(kVoiceBit);
  a.tclr1(kKeyOff);
  a.tset1(kKeyOn);
  a.jmp("next");
}

void release(Spc700Assembler& a) {
  a.label("release");
  a.movYImm(0);
  nextEventByteToA(a);
  a.cmpImm(0x00);
  a.beq("key off");
  a.movDpA(kGain);
  selectVoiceRegister(a, kGainRegister);
  a.movDpDp(kDspData, kGain);
  selectVoiceRegister(a, kAdsr1);
  a.movDpImm(kDspData, 0x00);  // hands the envelope over to GAIN
  a.jmp("next");
  a.label("key off");
  a.movADp(kVoiceBit);
  a.tset1(kKeyOff);
  a.jmp("next");
}

// Once a frame: every voice singing with vibrato gets its pitch moved by the depth for its place
// in the cycle, base * depth / 32768, up in frames 1-3 and down in frames 5-7 of the cycle.
void vibrato(Spc700Assembler& a, const DriverLayout& layout) {
  a.label("vibrato");
  a.movXImm(7);
  a.label("vibrato voice");
  a.movADpX(kVibrato);
  a.beq("vibrato next");
  a.incDpX(kAge);
  a.movADpX(kAge);
  a.cmpImm(kVibratoDelay + 8);
  a.bcc("within cycle");
  a.movAImm(kVibratoDelay);  // round the cycle again
  a.movDpXA(kAge);
  a.label("within cycle");
  a.cmpImm(kVibratoDelay);
  a.bcc("vibrato next");  // still held steady
  a.setc();
  a.sbcImm(kVibratoDelay);
  a.movYA();
  a.movAAbsY(layout.vibratoDepths);
  a.movYDpX(kBasePitchHigh);
  a.mulYA();
  a.aslA();  // YA / 128 fits a byte: the high byte doubled, plus the low byte's top bit
  a.movAY();
  a.rolA();
  a.movDpA(kBend);
  a.movADpX(kAge);
  a.cmpImm(kVibratoDelay + 5);
  a.bcs("bend down");
  a.movADpX(kBasePitchLow);
  a.clrc();
  a.adcDp(kBend);
  a.movDpA(kPitch);
  a.movADpX(kBasePitchHigh);
  a.adcImm(0);
  a.bra("bent");
  a.label("bend down");
  a.movADpX(kBasePitchLow);
  a.setc();
  a.sbcDp(kBend);
  a.movDpA(kPitch);
  a.movADpX(kBasePitchHigh);
  a.sbcImm(0);
  a.label("bent");
  a.movDpA(kPitch + 1);
  a.movAX();
  a.xcnA();
  a.movDpA(kBendBase);
  writePitch(a, kBendBase);
  a.label("vibrato next");
  a.decX();
  a.bpl("vibrato voice");
  a.ret();
}

}  // namespace

std::vector<std::uint8_t> driverProgram(const DriverLayout& layout) {
  Spc700Assembler a(layout.code);
  startup(a, layout);
  dispatchAndWait(a);
  release(a);  // before the voice code, within a branch's reach of it
  selectVoice(a, layout);
  keyOn(a, layout);
  vibrato(a, layout);
  return a.finish();
}

}  // namespace dwaalbos::music
