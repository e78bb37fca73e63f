// The built-in list of public time servers: the candidates of the automatic
// server choice and the entries of the settings dialog's server box.
#pragma once

#include <span>
#include <string_view>

namespace orvanto {

// 108 host names in alphabetical (byte) order.
std::span<const std::string_view> BuiltInTimeServers();

}  // namespace orvanto
