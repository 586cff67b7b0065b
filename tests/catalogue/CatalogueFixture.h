// A simulated NV.inf beside a simulated Logoloft.exe, reset for every test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/SimFiles.h"
#include "platform/sim/SimMessageBoxes.h"
#include "platform/sim/SimReset.h"

class CatalogueTest : public ::testing::Test {
 protected:
  static constexpr const char* kInfPath = "C:\\P8\\NV.inf";

  void SetUp() override {
    sim::ResetAll();
    sim::SetModuleFileName("C:\\P8\\Logoloft.exe");
  }

  // Puts `lines` into NV.inf, each ended with CR LF.
  void PutInf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
      text += line;
      text += "\r\n";
    }
    sim::PutTextFile(kInfPath, text);
  }

  std::string InfText() const { return sim::FileText(kInfPath).value_or("<missing>"); }
};
