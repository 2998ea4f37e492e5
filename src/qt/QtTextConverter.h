#pragma once

#include "text/TextConverter.h"

namespace wifi {

// The window's converters: Qt's (GBK through ICU, as on Debian), and the
// system's own code page 936 where Qt has no GBK (Qt's Windows builds have
// no ICU).
const TextConverters& QtTextConverters();
// Whether this window can convert GBK at all.
bool GbkAvailable();

}  // namespace wifi
