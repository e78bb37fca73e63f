// The fakes of the program's services for tests: a clock set by hand, a
// prompt that answers from a script and writes down what it showed, and a
// sound that records.
#pragma once

#include "core/clock.h"
#include "core/scripted_prompt.h"
#include "test_support/recording_sound.h"
