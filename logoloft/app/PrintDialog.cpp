// The print dialog: each radio sets its choice at once; "&Print" prints with them over a
// connection of its own; "E&xit" closes it.
#include "logoloft/app/PrintDialog.h"

#include <utility>

#include "logoloft/app/LogoloftIds.h"
#include "logoloft/app/LogoloftTemplates.h"

namespace logoloft {

PrintDialog::PrintDialog(PrinterTarget target)
    : ui::Dialog(PrintTemplate()), target_(std::move(target)) {
  On(kIdcQualityNormal, ui::Event::Clicked, &PrintDialog::OnQualityNormal);
  On(kIdcQualityDoubleWide, ui::Event::Clicked, &PrintDialog::OnQualityDoubleWide);
  On(kIdcQualityDoubleHigh, ui::Event::Clicked, &PrintDialog::OnQualityDoubleHigh);
  On(kIdcQualityQuadruple, ui::Event::Clicked, &PrintDialog::OnQualityQuadruple);
  On(kIdcNoHeader, ui::Event::Clicked, &PrintDialog::OnNoHeader);
  On(kIdcAddHeader, ui::Event::Clicked, &PrintDialog::OnAddHeader);
  On(kIdcRangeAll, ui::Event::Clicked, &PrintDialog::OnRangeAll);
  On(kIdcRangeSelection, ui::Event::Clicked, &PrintDialog::OnRangeSelection);
  On(kIdcPrintButton, ui::Event::Clicked, &PrintDialog::OnPrint);
}

bool PrintDialog::OnInitDialog() {
  for (int id : {kIdcQualityNormal, kIdcNoHeader, kIdcRangeAll}) Host().SetCheck(id, true);
  return true;
}

void PrintDialog::OnRangeSelection() {
  choice_.all = false;
  Host().SetFocus(kIdcSelectionEdit);
}

void PrintDialog::OnPrint() {
  choice_.selection = Host().Text(kIdcSelectionEdit);
  PrintStoredLogos(target_, choice_);
}

}  // namespace logoloft
