#include "cli/commands.h"

namespace orvanto::cli {

int RunPhasesCommand(const Args&) {
    return UsageError("phases", "not available in this build yet");
}

}  // namespace orvanto::cli
