#include "cli/commands.h"

namespace orvanto::cli {

int RunMonthCommand(const Args&) {
    return UsageError("month", "not available in this build yet");
}

}  // namespace orvanto::cli
