// The printouts the printer makes by itself: status sheet, code page table and self test.
#pragma once

#include "printer-sim/engine/EngineContext.h"

void PrintStatusSheet(EngineContext& ctx);
void PrintCodePageTable(EngineContext& ctx);
void PrintSelfTest(EngineContext& ctx);
// The font language the identity query reports, from the installed double-byte font.
std::string FontLanguage(const PrinterState& state);
