// The temporary folder of the shared test support.
#pragma once

#include "test_support/temp_folder.h"
