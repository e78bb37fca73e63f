#include "cli/commands.h"

namespace orvanto::cli {

int RunCheckCommand(const Args&) {
    return UsageError("check", "not available in this build yet");
}

}  // namespace orvanto::cli
