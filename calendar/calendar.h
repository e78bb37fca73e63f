// Every operation of the calendar room, for callers that use many of them.
#pragma once

#include "calendar/civil_date.h"
#include "calendar/day_counts.h"
#include "calendar/day_number.h"
#include "calendar/easter.h"
#include "calendar/elapsed_text.h"
#include "calendar/julian_day_number.h"
#include "calendar/month_holidays.h"
#include "calendar/month_length.h"
#include "calendar/out_of_algorithm_range.h"
#include "calendar/pesach.h"
#include "calendar/serial_date.h"
#include "calendar/thanksgiving.h"
#include "calendar/valid_date.h"
#include "calendar/week_number.h"
#include "calendar/weekday.h"
