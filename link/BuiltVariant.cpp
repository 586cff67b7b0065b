// The variant this copy of the printer link is built as, fixed by the build's private define.
#include "link/LinkVariant.h"

#if defined(P8_LINK_VARIANT_LOGOLOFT) == defined(P8_LINK_VARIANT_PINSET)
#error "Build the printer link with exactly one of P8_LINK_VARIANT_LOGOLOFT and P8_LINK_VARIANT_PINSET"
#endif

LinkVariant BuiltLinkVariant() {
#if defined(P8_LINK_VARIANT_LOGOLOFT)
  return LinkVariant::LogoloftVariant;
#else
  return LinkVariant::PinsetVariant;
#endif
}
