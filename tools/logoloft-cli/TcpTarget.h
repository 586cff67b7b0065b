// The printer a command's --to names, as the target of a Logoloft action over TCP.
#pragma once

#include "logoloft/transfer/PrinterTarget.h"
#include "tools/logoloft-cli/CliOptions.h"

PrinterTarget TcpTargetFor(const PrinterAddress& address);
