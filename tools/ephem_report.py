#!/usr/bin/python3
"""The astronomical report of one day and place computed with python3-ephem, as a yardstick
for the time a whole `orvanto-cli astro` process takes (hyperfine runs both).

Usage: ephem_report.py [YYYY-MM-DD [LAT LON]]   (east-positive longitude)

It computes what the report shows that ephem can compute: the sun's and the moon's rise,
transit and set, the three twilights, the sun's distance, size and place, the moon's
distance, size and phase, the current and next principal phases, and the equinoxes and
solstices of the year and the next.
"""
import sys

import ephem


def main():
    date = sys.argv[1] if len(sys.argv) > 1 else "2026-12-11"
    lat, lon = (sys.argv[2], sys.argv[3]) if len(sys.argv) > 3 else ("51.4667", "0")
    day = ephem.Date(date.replace("-", "/"))
    observer = ephem.Observer()
    observer.lat, observer.lon, observer.pressure = lat, lon, 0
    sun, moon = ephem.Sun(), ephem.Moon()
    lines = []
    for body, horizon in ((sun, "-0:50"), (moon, "-0:34")):
        observer.date, observer.horizon = day, horizon
        for event in (observer.next_rising, observer.next_transit, observer.next_setting):
            try:
                lines.append(str(event(body)))
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                lines.append("none")
    for horizon in ("-6", "-12", "-18"):
        observer.date, observer.horizon = day, horizon
        for event in (observer.next_rising, observer.next_setting):
            try:
                lines.append(str(event(sun, use_center=True)))
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                lines.append("none")
    observer.date, observer.horizon = day + 0.5, "0"
    sun.compute(observer)
    moon.compute(observer)
    lines += [f"{sun.earth_distance:.6f} AU {sun.size:.1f}\" {sun.alt} {sun.az}",
              f"{moon.earth_distance * ephem.meters_per_au / 1000:.2f} km {moon.size:.1f}\" "
              f"{moon.moon_phase:.4f}"]
    for finder in (ephem.previous_new_moon, ephem.previous_first_quarter_moon,
                   ephem.previous_full_moon, ephem.previous_last_quarter_moon,
                   ephem.next_new_moon, ephem.next_first_quarter_moon, ephem.next_full_moon,
                   ephem.next_last_quarter_moon):
        lines.append(str(finder(day)))
    year = int(date[:4])
    for y in (year, year + 1):
        start = ephem.Date(f"{y}/1/1")
        for finder in (ephem.next_vernal_equinox, ephem.next_summer_solstice,
                       ephem.next_autumnal_equinox, ephem.next_winter_solstice):
            lines.append(str(finder(start)))
    print("\n".join(lines))


if __name__ == "__main__":
    main()
