// The About box: everything it shows is in its description; "OK" closes it.
#include "logoloft/app/AboutDialog.h"

#include "logoloft/app/LogoloftTemplates.h"

namespace logoloft {

AboutDialog::AboutDialog() : ui::Dialog(AboutTemplate()) {}

}  // namespace logoloft
