// The last few positions of a body by their serial date. A position is a pure function
// of its date, and the callers ask for the same dates again and again: rise, transit and
// set each want the body at 0h of the day before, the day itself and the day after, and
// the phase angle, age and distance of one instant each want the sun and the moon at it.
#pragma once

#include <array>
#include <cstddef>

#include "astronomy/sky_position.h"

namespace orvanto::astro {

class PositionMemo {
public:
    template <typename Compute>
    TSkyPosition Get(double serial, Compute compute) {
        for (const Entry& e : entries_)
            if (e.filled && e.serial == serial) return e.position;
        Entry& slot = entries_[next_];
        next_ = (next_ + 1) % entries_.size();
        slot = {serial, compute(serial), true};
        return slot.position;
    }

private:
    struct Entry {
        double serial = 0;
        TSkyPosition position;
        bool filled = false;
    };
    static constexpr std::size_t kEntries = 8;
    std::array<Entry, kEntries> entries_{};
    std::size_t next_ = 0;
};

}  // namespace orvanto::astro
