// Kind codes of the printer link's ports; the same numbers as the INTERFACE key of NV.inf.
#pragma once

#include <cstdint>

enum class LinkKind : int32_t {
  Serial = 0,
  Parallel = 1,
  USB = 2,
  Ethernet = 3,
};
