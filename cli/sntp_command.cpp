#include "cli/commands.h"

namespace orvanto::cli {

int RunSntpCommand(const Args&) {
    return UsageError("sntp", "not available in this build yet");
}

}  // namespace orvanto::cli
