// The text of a clock offset: "1 hs. 2 min. 3 sec. 45 ms.".
#pragma once

#include <string>

namespace orvanto {

// The magnitude of an offset given in days (the sign is not shown), rounded
// to whole milliseconds: hours + " hs. " when there are hours, minutes +
// " min. " when there are minutes, seconds + " sec. " when there are
// seconds, then always milliseconds + " ms.". Offsets of a day or more keep
// counting hours (25 hs. ...).
std::string OffsetText(double offsetDays);

}  // namespace orvanto
