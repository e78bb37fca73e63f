#include "cli/commands.h"

namespace orvanto::cli {

int RunCitiesCommand(const Args&) {
    return UsageError("cities", "not available in this build yet");
}

}  // namespace orvanto::cli
