#include "options_file.h"

namespace dwaalbos {
namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

std::int16_t mark(bool value) { return value ? kTrue : kFalse; }

}  // namespace

StoredOptions decodeOptions(std::span<const std::uint8_t> data) {
  ByteReader reader(data);
  StoredOptions options;
  options.rechterkant = reader.i16().value_or(0) != 0;
  options.Loopvertraging = reader.i16().value_or(0);
  options.volglijnen = reader.i16().value_or(0) != 0;
  options.Lijnvertraging = reader.i16().value_or(0);
  options.MetBitBlt = reader.i16().value_or(0) != 0;
  options.overgang = reader.i16().value_or(0) != 0;
  return options;
}

Bytes encodeOptions(const StoredOptions& options) {
  Bytes out;
  putI16(out, mark(options.rechterkant));
  putI16(out, options.Loopvertraging);
  putI16(out, mark(options.volglijnen));
  putI16(out, options.Lijnvertraging);
  putI16(out, mark(options.MetBitBlt));
  putI16(out, mark(options.overgang));
  return out;
}

StoredOptions loadOptions(const std::string& path) {
  if (!fileExists(path)) overwriteFileStart(path, {});
  const auto data = readFileStart(path, kOptionsBytes);
  return data ? decodeOptions(*data) : StoredOptions{};
}

WriteResult saveOptions(const std::string& path, const StoredOptions& options) {
  return overwriteFileStart(path, encodeOptions(options));
}

}  // namespace dwaalbos
