#include "options_file.h"

namespace dwaalbos {
namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

std::int16_t mark(bool value) { return value ? kTrue : kFalse; }

}  // namespace

Opties decodeOptions(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  Opties options;
  options.rechterkant = reader.i16().value_or(0) != 0;
  options.Loopvertraging = reader.i16().value_or(0);
  options.volglijnen = reader.i16().value_or(0) != 0;
  options.Lijnvertraging = reader.i16().value_or(0);
  options.MetBitBlt = reader.i16().value_or(0) != 0;
  options.overgang = reader.i16().value_or(0) != 0;
  return options;
}

Bytes encodeOptions(const Opties& options) {
  Bytes out;
  putI16(out, mark(options.rechterkant));
  putI16(out, static_cast<std::int16_t>(options.Loopvertraging));
  putI16(out, mark(options.volglijnen));
  putI16(out, static_cast<std::int16_t>(options.Lijnvertraging));
  putI16(out, mark(options.MetBitBlt));
  putI16(out, mark(options.overgang));
  return out;
}

Opties loadOptions(const std::string& path) {
  if (!fileExists(path)) writeWholeFile(path, {});
  const auto data = readFileStart(path, kOptionsBytes);
  return decodeOptions(data ? std::span<const std::uint8_t>(*data)
                            : std::span<const std::uint8_t>());
}

WriteResult saveOptions(const std::string& path, const Opties& options) {
  return overwriteFileStart(path, encodeOptions(options), kLargestOptionsFile - kOptionsBytes);
}

}  // namespace dwaalbos
