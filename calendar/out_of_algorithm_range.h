// E_OutOfAlgorithmRange: a calendar formula asked for a year it does not cover.
#pragma once

#include <stdexcept>

namespace orvanto {

class E_OutOfAlgorithmRange : public std::runtime_error {
public:
    E_OutOfAlgorithmRange() : std::runtime_error("Out of range of the algorithm") {}
};

}  // namespace orvanto
