#include "cli/commands.h"

namespace orvanto::cli {

int RunDateCommand(const Args&) {
    return UsageError("date", "not available in this build yet");
}

}  // namespace orvanto::cli
