// The moon's phase angle, illuminated fraction and age, from the apparent positions of the
// sun and the moon (Meeus, Astronomical Algorithms, ch. 48).
#pragma once

namespace orvanto::astro {

// Synodic month used for the age and the phases, days.
inline constexpr long double kSynodicMonth = 29.530589L;

// Phase angle i in degrees, (-180, 180]: positive while waxing, negative while waning.
long double MoonPhaseAngle(double serial);

// Illuminated fraction (1 + cos i) / 2, 0 ... 1.
long double MoonLitFraction(double serial);

// Days since the last new moon: the elongation in longitude / 360 x 29.530589.
long double MoonAge(double serial);

}  // namespace orvanto::astro
