// orvanto-cli eclipses --from YYYY-MM-DD --count N: the next N solar and the next N lunar
// eclipses at or after 00:00 UTC of the date, in time order, one
// "YYYY-MM-DD HH:MM:SS<TAB>solar|lunar<TAB>kind" line each (UTC, greatest eclipse).
#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

#include "astronomy/eclipses.h"
#include "cli/commands.h"
#include "cli/from_count_listing.h"

namespace orvanto::cli {

namespace {

struct ListedEclipse {
    astro::EclipseFound found;
    const char* type;
};

void AppendEclipses(std::vector<ListedEclipse>& list, double from, int count, astro::EclipseType type,
                    const char* typeText) {
    double x = from;
    for (int i = 0; i < count; ++i) {
        const astro::EclipseFound found = astro::NextEclipse(x, type);
        list.push_back({found, typeText});
        // The next eclipse of the same body is at least a lunation later.
        x = found.date + 1;
    }
}

}  // namespace

int RunEclipsesCommand(const Args& args) {
    int status = 0;
    const auto request = ParseFromCount("eclipses", args, status);
    if (!request) return status;
    try {
        std::vector<ListedEclipse> list;
        AppendEclipses(list, request->from, request->count, astro::EclipseType::Solar, "solar");
        AppendEclipses(list, request->from, request->count, astro::EclipseType::Lunar, "lunar");
        std::stable_sort(list.begin(), list.end(), [](const ListedEclipse& a, const ListedEclipse& b) {
            return a.found.date < b.found.date;
        });
        for (const ListedEclipse& e : list)
            std::printf("%s\t%s\t%s\n", InstantText(e.found.date).c_str(), e.type,
                        astro::EclipseKindText(e.found.kind));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvanto-cli eclipses: %s\n", e.what());
        return 1;
    }
    return 0;
}

}  // namespace orvanto::cli
