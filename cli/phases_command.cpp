// orvanto-cli phases --from YYYY-MM-DD --count N: the next N principal moon phases at or
// after 00:00 UTC of the date, one "YYYY-MM-DD HH:MM:SS<TAB>phase name" line each (UTC).
#include <cstdio>
#include <exception>

#include "astronomy/phase_walk.h"
#include "cli/commands.h"
#include "cli/from_count_listing.h"

namespace orvanto::cli {

int RunPhasesCommand(const Args& args) {
    int status = 0;
    const auto request = ParseFromCount("phases", args, status);
    if (!request) return status;
    try {
        for (const astro::PhaseInstant& p : astro::PrincipalPhasesFrom(request->from, request->count))
            std::printf("%s\t%s\n", InstantText(p.date).c_str(), astro::MoonPhaseName(p.phase));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvanto-cli phases: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace orvanto::cli
