#include "printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace dwaalbos {

std::unique_ptr<QPrinter> SystemPrinters::defaultPrinter() {
  auto info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const auto all = QPrinterInfo::availablePrinters();
    if (all.isEmpty()) return nullptr;
    info = all.constFirst();
  }
  auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  printer->setResolution(kPrinterDotsPerInch);
  return printer;
}

}  // namespace dwaalbos
