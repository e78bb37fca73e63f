#include "cli/commands.h"

namespace orvanto::cli {

int RunEclipsesCommand(const Args&) {
    return UsageError("eclipses", "not available in this build yet");
}

}  // namespace orvanto::cli
