// PlanetHeliocentric: evaluation of a VSOP87 body in the FK5 system.
#pragma once

#include <memory>

#include "astronomy/angles.h"
#include "astronomy/vsop87.h"

namespace orvanto::astro {

template <typename Body>
THeliocentric PlanetHeliocentric(double serial) {
    const auto body = std::make_unique<Body>();  // released also when an evaluation throws
    body->Date(serial);
    const long double radius = body->Radius();
    long double longitude = body->HelioLongitude();
    long double latitude = body->HelioLatitude();
    body->ToFK5(longitude, latitude);
    return {NormalizeDegrees(RadToDeg(longitude)), RadToDeg(latitude), radius};
}

}  // namespace orvanto::astro
