#pragma once

#include <memory>

#include <QPrinter>

namespace dwaalbos {

// Where printouts go. Behind an interface so that tests print into a PDF file.
class Printers {
 public:
  virtual ~Printers() = default;
  // The system's default printer, set up at 600 dots per inch; nothing when the system has
  // no printer at all.
  virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;
};

class SystemPrinters : public Printers {
 public:
  std::unique_ptr<QPrinter> defaultPrinter() override;
};

// The resolution every printout is laid out in: a printer pixel is 1/600 inch.
inline constexpr int kPrinterDotsPerInch = 600;

}  // namespace dwaalbos
