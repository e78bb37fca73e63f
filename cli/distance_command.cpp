#include "cli/commands.h"

namespace orvanto::cli {

int RunDistanceCommand(const Args&) {
    return UsageError("distance", "not available in this build yet");
}

}  // namespace orvanto::cli
