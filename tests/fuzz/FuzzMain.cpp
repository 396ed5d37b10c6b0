// The libFuzzer entry point of one target, named at build time.
#include "fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const marigold::CFuzzTarget target = marigold::FuzzTargets().at(MARIGOLD_FUZZ_TARGET);
  target(data, size);
  return 0;
}
