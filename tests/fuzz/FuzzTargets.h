#pragma once
// The readers that take bytes from outside, each as one entry point that
// must survive any input: run under libFuzzer (scripts/fuzz) and, for the
// stored corpus, as ordinary test cases.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace marigold {

using CFuzzTarget = void (*)(const std::uint8_t* data, std::size_t size);

// By name: archive, route-v3, route-v4, vessel, history, ports, warnings,
// meteo, hurricanes, item, csv, rtz, rtzp, gpx.
const std::map<std::string, CFuzzTarget>& FuzzTargets();

}  // namespace marigold
