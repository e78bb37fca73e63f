#include "core/time_format.h"

#include <langinfo.h>
#include <locale.h>
#include <ctime>

namespace orvanto {

namespace {

// 23:00:00 on an ordinary day, written with the format in the locale.
std::string ElevenPmText(const char* timeFormat, locale_t locale) {
    std::tm elevenPm{};
    elevenPm.tm_year = 100;
    elevenPm.tm_mon = 0;
    elevenPm.tm_mday = 1;
    elevenPm.tm_hour = 23;
    char text[128];
    const std::size_t length = ::strftime_l(text, sizeof text, timeFormat, &elevenPm, locale);
    return std::string(text, length);
}

bool BeginsWithEleven(const std::string& text) { return text.rfind("11", 0) == 0; }

}  // namespace

bool TwelveHourClockForFormat(const std::string& timeFormat) {
    const locale_t c = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    const bool result = BeginsWithEleven(ElevenPmText(timeFormat.c_str(), c));
    if (c != static_cast<locale_t>(0)) ::freelocale(c);
    return result;
}

bool SystemTwelveHourClock() {
    locale_t locale = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) locale = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0)) return false;
    const bool result = BeginsWithEleven(ElevenPmText(::nl_langinfo_l(T_FMT, locale), locale));
    ::freelocale(locale);
    return result;
}

}  // namespace orvanto
