#include "calendar/twelve_hour.h"

namespace orvanto {

TwelveHourTime ToTwelveHour(int hour, NoonRule rule) {
    switch (rule) {
    case NoonRule::Dial:
        return TwelveHourTime{hour % 12 == 0 ? 12 : hour % 12, hour >= 12};
    case NoonRule::ReduceAfterNoon:
        return TwelveHourTime{hour > 12 ? hour - 12 : hour, hour > 12};
    case NoonRule::ZeroMidnight:
        return TwelveHourTime{hour > 12 ? hour - 12 : hour, hour >= 12};
    }
    return TwelveHourTime{hour, false};
}

}  // namespace orvanto
