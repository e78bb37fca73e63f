#!/usr/bin/python3
"""Compare orvanto-cli's astronomy with an independent ephemeris (python3-ephem).

Usage: compare_ephem.py PATH/TO/orvanto-cli [--samples N] [--seed S]

Over random places and dates of 1753-2078 it compares sunrise, sunset, moonrise,
moonset and the three twilights (Universal Time, the calendar's own standard altitudes: -50' for the sun's
centre, the moon's upper limb with 34' of refraction and topocentric parallax), the
equinoxes and solstices, the four principal phases, and the Earth's heliocentric
position from the VSOP87D series. Phases and seasons are in Universal Time on both sides
(the calendar takes Delta T from the Espenak-Meeus polynomials, ephem from its own model).
"""
import argparse
import math
import random
import statistics
import subprocess
import sys

import ephem

SERIAL_EPOCH = ephem.Date("1899/12/30")  # serial date 0


def run(cli, *args):
    out = subprocess.run([cli, *args], check=True, capture_output=True, text=True).stdout
    return out


def parse_when(text):
    return None if text == "none" else ephem.Date(text.replace("-", "/"))


def events(cli, date, lat, lon):
    fields = {}
    for line in run(cli, "astro", "--events", "--date", date, "--lat", str(lat), "--lon",
                    str(lon)).splitlines():
        name, *values = line.split("\t")
        fields[name] = values if name == "earth" else parse_when(values[0])
    return fields


def nearest_event(observer, body, when, rising):
    """ephem's rising or setting nearest to `when` (days), or None."""
    observer.date = when
    best = None
    for finder in ((observer.previous_rising, observer.next_rising) if rising
                   else (observer.previous_setting, observer.next_setting)):
        try:
            found = finder(body)
        except (ephem.AlwaysUpError, ephem.NeverUpError):
            continue
        if best is None or abs(found - when) < abs(best - when):
            best = found
    return best


class Stats:
    def __init__(self, name, unit="s"):
        self.name, self.unit, self.values = name, unit, []

    def add(self, value):
        self.values.append(value)

    def line(self):
        if not self.values:
            return f"{self.name:34s} no cases"
        absolute = [abs(v) for v in self.values]
        return (f"{self.name:34s} n={len(self.values):4d}  median |d|={statistics.median(absolute):8.2f} "
                f"{self.unit}  p95={sorted(absolute)[int(0.95 * (len(absolute) - 1))]:8.2f} {self.unit}  "
                f"max={max(absolute):8.2f} {self.unit}  mean d={statistics.mean(self.values):+8.2f} {self.unit}")


def compare_rise_set(cli, samples, rng, report):
    sun, moon = ephem.Sun(), ephem.Moon()
    twilights = {"civildawn": ("-6", True), "civildusk": ("-6", False),
                 "nauticaldawn": ("-12", True), "nauticaldusk": ("-12", False),
                 "astronomicaldawn": ("-18", True), "astronomicaldusk": ("-18", False)}
    stats = {key: Stats(key) for key in ("sunrise", "sunset", "moonrise", "moonset", *twilights)}
    worst = {}
    for _ in range(samples):
        year = rng.randint(1753, 2078)
        date = f"{year:04d}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}"
        lat = round(rng.uniform(-60, 65), 4)
        lon = round(rng.uniform(-180, 180), 4)
        ours = events(cli, date, lat, lon)
        observer = ephem.Observer()
        observer.lat, observer.lon = str(lat), str(lon)
        observer.elevation = 0
        observer.pressure = 0
        for key, body, rising in (("sunrise", sun, True), ("sunset", sun, False),
                                  ("moonrise", moon, True), ("moonset", moon, False)):
            mine = ours[key]
            if mine is None:
                continue
            if body is sun:
                observer.horizon = "-0:50"
                theirs = None
                observer.date = mine
                try:
                    finder = observer.previous_rising if rising else observer.previous_setting
                    after = observer.next_rising if rising else observer.next_setting
                    a, b = finder(body, use_center=True), after(body, use_center=True)
                    theirs = a if abs(a - mine) < abs(b - mine) else b
                except (ephem.AlwaysUpError, ephem.NeverUpError):
                    theirs = None
            else:
                observer.horizon = "-0:34"
                theirs = nearest_event(observer, body, mine, rising)
            if theirs is None:
                continue
            difference = (mine - theirs) * 86400
            if abs(difference) > 6 * 3600:
                continue  # the calendar's result belongs to another day's event
            stats[key].add(difference)
            if abs(difference) > abs(worst.get(key, (0,))[0]):
                worst[key] = (difference, date, lat, lon)
        for key, (depression, dawn) in twilights.items():
            mine = ours[key]
            if mine is None:
                continue
            observer.horizon = depression
            observer.date = mine
            try:
                a = (observer.previous_rising if dawn else observer.previous_setting)(sun, use_center=True)
                observer.date = mine
                b = (observer.next_rising if dawn else observer.next_setting)(sun, use_center=True)
            except (ephem.AlwaysUpError, ephem.NeverUpError):
                continue
            theirs = a if abs(a - mine) < abs(b - mine) else b
            difference = (mine - theirs) * 86400
            if abs(difference) < 6 * 3600:
                stats[key].add(difference)
                if abs(difference) > abs(worst.get(key, (0,))[0]):
                    worst[key] = (difference, date, lat, lon)
    for key in stats:
        report.append(stats[key].line())
        if key in worst:
            d, date, lat, lon = worst[key]
            report.append(f"    largest: {d:+.0f} s on {date} at {lat}, {lon}")


def compare_seasons(cli, rng, report, years):
    finders = {"marchequinox": ephem.next_vernal_equinox, "junesolstice": ephem.next_summer_solstice,
               "septemberequinox": ephem.next_autumnal_equinox,
               "decembersolstice": ephem.next_winter_solstice}
    seasons = Stats("seasons")
    for year in years:
        ours = events(cli, f"{year:04d}-06-15", 0, 0)
        for key, finder in finders.items():
            theirs = finder(ephem.Date(f"{year}/1/1"))
            seasons.add((ours[key] - theirs) * 86400)
    report.append(seasons.line())


def compare_phases(cli, rng, report, starts):
    finders = {"New Moon": ephem.next_new_moon, "First Quarter": ephem.next_first_quarter_moon,
               "Full Moon": ephem.next_full_moon, "Last Quarter": ephem.next_last_quarter_moon}
    phases = Stats("phases")
    worst = (0, None)
    for start in starts:
        output = run(cli, "phases", "--from", start, "--count", "8")
        for line in output.splitlines():
            when, name = line.split("\t")
            mine = ephem.Date(when.replace("-", "/"))
            theirs = finders[name](ephem.Date(mine - 2))
            difference = (mine - theirs) * 86400
            phases.add(difference)
            if abs(difference) > abs(worst[0]):
                worst = (difference, f"{when} {name}")
    report.append(phases.line())
    if worst[1]:
        report.append(f"    largest: {worst[0]:+.0f} s at {worst[1]}")


def compare_earth(cli, rng, report, samples):
    """The Earth's heliocentric place from the complete VSOP87D series against ephem's."""
    lon_stats, lat_stats, r_stats = Stats("Earth L", '"'), Stats("Earth B", '"'), Stats("Earth R", "1e-8 AU")
    sun = ephem.Sun()
    for _ in range(samples):
        date = f"{rng.randint(1753, 2078):04d}-{rng.randint(1, 12):02d}-{rng.randint(1, 28):02d}"
        ours = events(cli, date, 0, 0)["earth"]
        instant = ephem.Date(date.replace("-", "/"))
        # Our series are evaluated at the serial date as dynamical time; ephem takes UT.
        moment = ephem.Date(instant - ephem.delta_t(instant) / 86400)
        sun.compute(moment, epoch=moment)
        l_diff = (float(ours[0]) - math.degrees(sun.hlon) + 180) % 360 - 180
        lon_stats.add(l_diff * 3600)
        lat_stats.add((float(ours[1]) - math.degrees(sun.hlat)) * 3600)
        r_stats.add((float(ours[2]) - sun.earth_distance) * 1e8)
    report += [lon_stats.line(), lat_stats.line(), r_stats.line()]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("cli")
    parser.add_argument("--samples", type=int, default=300)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--skip-moon", action="store_true", help="no phases (moon code missing)")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    report = [f"orvanto-cli against python3-ephem {ephem.__version__}, seed {args.seed}"]
    compare_rise_set(args.cli, args.samples, rng, report)
    compare_seasons(args.cli, rng, report, sorted(rng.sample(range(1753, 2079), 40)))
    if not args.skip_moon:
        starts = [f"{rng.randint(1753, 2078):04d}-{rng.randint(1, 12):02d}-01" for _ in range(30)]
        compare_phases(args.cli, rng, report, starts)
    compare_earth(args.cli, rng, report, min(args.samples, 100))
    print("\n".join(report))
    return 0


if __name__ == "__main__":
    sys.exit(main())
