// Solar and lunar eclipses at the new and full moons (Meeus, Astronomical Algorithms,
// ch. 54): the instant of greatest eclipse and the kind of the eclipse as a whole.
#pragma once

namespace orvanto::astro {

enum TEclipseKind : int {
    ekNone = 0,
    ekPartial = 1,
    ekNonCentral = 2,
    ekAnnular = 3,
    ekAnnularTotal = 4,
    ekTotal = 5,
    ekPenumbral = 6,
};

enum class EclipseType { Solar, Lunar };

// "None", "Partial", "Noncentral", "Circular", "Circular total", "Total", "Half Shadow".
const char* EclipseKindText(TEclipseKind kind);

// The kind of the eclipse at the new moon (solar) or full moon (lunar) of the lunation
// nearest the date; the date is replaced by that phase's instant: the greatest eclipse in
// Universal Time, or the uncorrected mean phase when there is no eclipse.
TEclipseKind EclipseAtPhase(double& date, EclipseType type);

// The kind at the first new (full) moon at or after the date, which replaces the date.
TEclipseKind NextEclipseCandidate(double& date, EclipseType type);

struct EclipseFound {
    double date = 0;  // instant of greatest eclipse, serial date
    TEclipseKind kind = ekNone;
};

// The first eclipse (of a kind other than none) whose greatest phase lies at or after the
// date: the candidates of NextEclipseCandidate, lunation after lunation.
EclipseFound NextEclipse(double date, EclipseType type);

}  // namespace orvanto::astro
