// The texts of the clock correction: the status window's captions and lines,
// the outcome lines of an attempt and the server test's messages.
#pragma once

#include <string_view>

namespace orvanto::clock_texts {

// Status window (453 x 267 pixels, centred on the screen).
inline constexpr int kStatusWindowWidth = 453;
inline constexpr int kStatusWindowHeight = 267;
inline constexpr std::string_view kStatusTitle = "Clock correction status";
inline constexpr std::string_view kDaylightSuffix = " [DST]";
inline constexpr std::string_view kConnectionGroup = " Connection status ";
inline constexpr std::string_view kDetailsGroup = " Time correction details ";
inline constexpr std::string_view kServerInUseLabel = "Server in use:";
inline constexpr std::string_view kLastStatusLabel = "Last status:";
inline constexpr std::string_view kCorrectNowHint = "Correct time now";
inline constexpr std::string_view kOkCaption = "&OK";
inline constexpr std::string_view kCloseHint = "Close";

// Connection, server and roundtrip lines.
inline constexpr std::string_view kNotConnected = "Not connected";
inline constexpr std::string_view kConnectedPrefix = "Connected  -  IP address: ";
inline constexpr std::string_view kNoServer = "None";
inline constexpr std::string_view kRoundtripPrefix = "Roundtrip delay: ";
inline constexpr std::string_view kMillisecondsSuffix = " ms.";
inline constexpr std::string_view kRoundtripNotAvailable = "Roundtrip delay: Not available";

// Outcome of an attempt (status lines 1 and 2).
inline constexpr std::string_view kCorrectedAt = "Clock corrected at ";
inline constexpr std::string_view kDateTimeSeparator = ",  ";
inline constexpr std::string_view kOffsetPrefix = "Offset: ";
inline constexpr std::string_view kNoPrivilegeLine1 = "You do not have enough privileges";
inline constexpr std::string_view kNoPrivilegeLine2 = "to modify system time on this computer.";
inline constexpr std::string_view kClockNotSet = "The system clock could not be set";
inline constexpr std::string_view kInvalidResponse = "Invalid server response";
inline constexpr std::string_view kCannotResolve = "Cannot resolve server address";
inline constexpr std::string_view kTimeout = "Timeout";
inline constexpr std::string_view kCannotConnect = "Cannot connect";
// Another time service keeps the clock: the clock is not set here.
inline constexpr std::string_view kKeptByPrefix = "Clock kept by ";
inline constexpr std::string_view kNotSetHereSuffix = " (not set here)";
inline constexpr std::string_view kOnlyOffsetShown = "\"Correct time now\" only shows the offset";

// Server test of the settings dialog.
inline constexpr std::string_view kSelectServerFirst = "Please select a time server first.";
inline constexpr std::string_view kCannotConnectTo = "Cannot connect to ";
inline constexpr std::string_view kServerNamePrefix = "Server name: ";
inline constexpr std::string_view kRatingPrefix = "Rating: ";

}  // namespace orvanto::clock_texts
