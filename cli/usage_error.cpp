#include <cstdio>
#include <string>

#include "cli/commands.h"

namespace orvanto::cli {

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "orvanto-cli %s: %s\n", command.c_str(), message.c_str());
    return 2;
}

}  // namespace orvanto::cli
