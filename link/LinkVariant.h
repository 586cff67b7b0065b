// The two builds of the printer link: one linked into Logoloft, one into Pinset.
#pragma once

enum class LinkVariant {
  LogoloftVariant,
  PinsetVariant,
};

// The variant this copy of the library was built as; fixed when the library is built.
LinkVariant BuiltLinkVariant();
