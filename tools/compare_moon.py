#!/usr/bin/python3
"""Compare orvanto-cli's moon phases and eclipses with the independent ephemeris of
python3-ephem (run with Debian's /usr/bin/python3).

  tools/compare_moon.py [--cli PATH] [--from YYYY-MM-DD] [--to YYYY-MM-DD]

The program lists its instants in Universal Time: the theories' dynamical instants less
Delta T from the Espenak-Meeus polynomials. ephem has a Delta T model of its own; the two
models differ by a few seconds today (and by up to half a minute near 2078), which the
comparison shows beside the difference of the instants.

Phases: every principal phase of the span is matched with ephem's phase of the same kind
nearest to it. Eclipses: each listed eclipse is checked against ephem's geometry (the
moon's distance from the anti-solar point within the penumbra, or the sun-moon separation
within the discs plus the moon's parallax), its instant against the least separation, the
lunar kinds against the umbra; and every new and full moon of the span at which ephem sees
an eclipse must be listed.
"""
import argparse
import math
import os
import statistics
import subprocess
import sys

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_CLI = os.path.join(HERE, "..", "build", "bin", "orvanto-cli")

NEXT_PHASE = {
    "New Moon": ephem.next_new_moon,
    "First Quarter": ephem.next_first_quarter_moon,
    "Full Moon": ephem.next_full_moon,
    "Last Quarter": ephem.next_last_quarter_moon,
}
PREVIOUS_PHASE = {
    "New Moon": ephem.previous_new_moon,
    "First Quarter": ephem.previous_first_quarter_moon,
    "Full Moon": ephem.previous_full_moon,
    "Last Quarter": ephem.previous_last_quarter_moon,
}


def run_cli(cli, *args):
    out = subprocess.run([cli, *args], check=True, capture_output=True, text=True).stdout
    return [line.split("\t") for line in out.splitlines() if line]


def to_ephem(stamp):
    return ephem.Date(stamp.replace("-", "/"))


def summary(name, diffs):
    a = [abs(d) for d in diffs]
    worst = max(range(len(a)), key=a.__getitem__)
    return (f"{name}: n={len(a)} median |d|={statistics.median(a):.1f} s, "
            f"95% {sorted(a)[int(0.95 * (len(a) - 1))]:.1f} s, max {a[worst]:.1f} s "
            f"(signed {diffs[worst]:+.1f} s)")


def phase_count(start, end):
    return int((to_ephem(end) - to_ephem(start)) / 29.530588 * 4) + 4


def compare_phases(cli, start, end):
    rows = run_cli(cli, "phases", "--from", start, "--count", str(phase_count(start, end)))
    limit = to_ephem(end + " 00:00:00")
    raw, worst = {}, []
    for stamp, name in rows:
        ours = to_ephem(stamp)
        if ours >= limit:
            break
        near = [NEXT_PHASE[name](ephem.Date(ours - 2)), PREVIOUS_PHASE[name](ephem.Date(ours + 2))]
        theirs = min(near, key=lambda t: abs(t - ours))
        d = (ours - theirs) * 86400.0
        raw.setdefault(name, []).append(d)
        worst.append((abs(d), stamp, name, d, ephem.delta_t(theirs)))
    print(f"Principal phases {start} to {end} (ours - ephem, Universal Time):")
    for name in NEXT_PHASE:
        print("  " + summary(name, raw[name]))
    every = [d for v in raw.values() for d in v]
    print("  " + summary("all phases", every))
    worst.sort(reverse=True)
    for w in worst[:3]:
        print(f"    largest: {w[1]} {w[2]}: {w[3]:+.1f} s (ephem's Delta T {w[4]:.1f} s)")


def geometry(t, body, sun, moon):
    """(separation, reach, umbra) in radians at ephem date t (UT), geocentric."""
    sun.compute(t)
    moon.compute(t)
    d_moon = moon.earth_distance * ephem.meters_per_au / 1000
    d_sun = sun.earth_distance * ephem.meters_per_au / 1000
    pi_moon = math.asin(6378.14 / d_moon)
    pi_sun = math.asin(6378.14 / d_sun)
    if body == "solar":
        # Seen from somewhere on the Earth: within the radii plus the moon's parallax.
        sep = float(ephem.separation(sun, moon))
        return sep, sun.radius + moon.radius + pi_moon, None
    # The shadow cones at the moon's distance, enlarged by 1/50 (Chauvenet).
    penumbra = 1.02 * (pi_moon + pi_sun + sun.radius)
    umbra = 1.02 * (pi_moon + pi_sun - sun.radius)
    anti = (sun.ra + math.pi, -sun.dec)
    sep = float(ephem.separation((moon.ra, moon.dec), anti))
    return sep, penumbra + moon.radius, umbra


def least_separation(t, body, sun, moon, hours=6.0):
    """Instant (ephem date) of the least separation within t +- hours, by golden section."""
    a, b = t - hours / 24, t + hours / 24
    g = (math.sqrt(5) - 1) / 2
    c, d = b - g * (b - a), a + g * (b - a)
    for _ in range(40):
        if geometry(c, body, sun, moon)[0] < geometry(d, body, sun, moon)[0]:
            b = d
        else:
            a = c
        c, d = b - g * (b - a), a + g * (b - a)
    return ephem.Date((a + b) / 2)


def lunar_kind(t, sun, moon):
    sep, reach, umbra = geometry(t, "lunar", sun, moon)
    if sep + moon.radius < umbra:
        return "Total"
    if sep - moon.radius < umbra:
        return "Partial"
    return "Half Shadow" if sep < reach else "None"


def compare_eclipses(cli, start, end):
    years = int(end[:4]) - int(start[:4]) + 1
    rows = run_cli(cli, "eclipses", "--from", start, "--count", str(3 * years))
    limit = to_ephem(end + " 00:00:00")
    sun, moon = ephem.Sun(), ephem.Moon()
    listed = {"solar": [], "lunar": []}
    misses, timing, kinds = [], {"solar": [], "lunar": []}, [0, 0]
    kind_differences = []
    for stamp, body, kind in rows:
        when = to_ephem(stamp)
        if when >= limit:
            continue
        t = when
        listed[body].append(t)
        sep, reach, _ = geometry(t, body, sun, moon)
        if sep > reach:
            misses.append((stamp, body, kind, math.degrees(sep - reach)))
        best = least_separation(t, body, sun, moon)
        timing[body].append((t - best) * 86400.0)
        if body == "lunar":
            theirs = lunar_kind(best, sun, moon)
            kinds[0] += theirs == kind
            kinds[1] += 1
            if theirs != kind:
                kind_differences.append((stamp, kind, theirs))
    # Eclipses that ephem sees at a new or full moon of the span but the listing lacks.
    missing = []
    for body, next_phase in (("solar", ephem.next_new_moon), ("lunar", ephem.next_full_moon)):
        t = next_phase(to_ephem(start + " 00:00:00"))
        while t < limit - 30:
            best = least_separation(t, body, sun, moon, hours=12)
            sep, reach, _ = geometry(best, body, sun, moon)
            if sep < reach and not any(abs(x - best) < 1 for x in listed[body]):
                missing.append((str(best), body, math.degrees(reach - sep)))
            t = next_phase(ephem.Date(t + 1))
    print(f"Eclipses {start} to {end}: {len(listed['solar'])} solar, {len(listed['lunar'])} lunar")
    for body in ("solar", "lunar"):
        if timing[body]:
            print("  greatest eclipse vs least separation: " +
                  summary(body, timing[body]))
    print(f"  listed eclipses that ephem's geometry does not bear out: {len(misses)}")
    for m in misses[:10]:
        print(f"    {m[0]} {m[1]} {m[2]}: outside by {m[3]:.4f} deg")
    print(f"  eclipses ephem finds that the listing lacks: {len(missing)}")
    for m in missing[:10]:
        print(f"    {m[0]} {m[1]}: inside by {m[2]:.4f} deg")
    print(f"  lunar kinds agreeing with ephem's shadow geometry: {kinds[0]} of {kinds[1]}")
    for k in kind_differences[:10]:
        print(f"    {k[0]}: listed {k[1]}, ephem's geometry {k[2]}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default=os.environ.get("ORVANTO_CLI", DEFAULT_CLI))
    parser.add_argument("--from", dest="start", default="1753-01-01")
    parser.add_argument("--to", dest="end", default="2078-12-31")
    parser.add_argument("--skip-eclipses", action="store_true")
    args = parser.parse_args()
    if not os.access(args.cli, os.X_OK):
        sys.exit(f"orvanto-cli not found at {args.cli} (give --cli PATH)")
    compare_phases(args.cli, args.start, args.end)
    if not args.skip_eclipses:
        compare_eclipses(args.cli, args.start, args.end)


if __name__ == "__main__":
    main()
