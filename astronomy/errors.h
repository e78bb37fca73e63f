// The exceptions raised by the astronomy engine.
#pragma once

#include <stdexcept>
#include <string>

namespace orvanto::astro {

// A body does not cross the altitude asked for on that day (polar day or night).
class E_NoRiseSet : public std::runtime_error {
public:
    explicit E_NoRiseSet(const std::string& message = "No rises or sets calculable")
        : std::runtime_error(message) {}
};

// A date outside the range an algorithm is valid for.
class E_OutOfAlgorithmRange : public std::runtime_error {
public:
    explicit E_OutOfAlgorithmRange(const std::string& message = "Out of range of the algorithm")
        : std::runtime_error(message) {}
};

// A calendar date that cannot be converted ("Invalid year", "Invalid month", "Invalid day",
// "Date invalid due to calendar change", "Negative julian dates not supported").
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

inline constexpr const char* kNoRiseSetText = "No rises or sets calculable";

}  // namespace orvanto::astro
