#include "cli/commands.h"

namespace orvanto::cli {

int RunHolidaysCommand(const Args&) {
    return UsageError("holidays", "not available in this build yet");
}

}  // namespace orvanto::cli
