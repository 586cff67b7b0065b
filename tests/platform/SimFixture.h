// Test fixture that starts every test on a fresh simulated platform.
#pragma once

#include <gtest/gtest.h>

#include "platform/sim/SimReset.h"

class SimFixture : public ::testing::Test {
 protected:
  void SetUp() override { sim::ResetAll(); }
  void TearDown() override { sim::ResetAll(); }
};
