// The print dialog (dialog 131) of the one-colour models: prints NV bit images already stored in
// the printer by number, in one of four sizes, each optionally under a line naming it.
#pragma once

#include "logoloft/transfer/PrinterTarget.h"
#include "logoloft/transfer/StoredLogoPrint.h"
#include "ui/Dialog.h"

namespace logoloft {

class PrintDialog : public ui::Dialog {
 public:
  explicit PrintDialog(PrinterTarget target);

  bool OnInitDialog() override;

 private:
  void OnQualityNormal() { choice_.quality = NvPrintMode::Normal; }
  void OnQualityDoubleWide() { choice_.quality = NvPrintMode::DoubleWidth; }
  void OnQualityDoubleHigh() { choice_.quality = NvPrintMode::DoubleHeight; }
  void OnQualityQuadruple() { choice_.quality = NvPrintMode::Quadruple; }
  void OnNoHeader() { choice_.header = false; }
  void OnAddHeader() { choice_.header = true; }
  void OnRangeAll() { choice_.all = true; }
  void OnRangeSelection();
  void OnPrint();

  PrinterTarget target_;
  // As the radios have set it; the selection text is read on "&Print".
  LogoPrintChoice choice_;
};

}  // namespace logoloft
