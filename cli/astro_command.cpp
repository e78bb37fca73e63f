#include "cli/commands.h"

namespace orvanto::cli {

int RunAstroCommand(const Args&) {
    return UsageError("astro", "not available in this build yet");
}

}  // namespace orvanto::cli
