// One libFuzzer binary per target; KRATTLE_FUZZ_TARGET names it.

#include <cstdio>
#include <cstdlib>

#include "fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const krattle::fuzz::Target* target = [] {
    const auto* t = krattle::fuzz::FindTarget(KRATTLE_FUZZ_TARGET);
    if (!t) {
      std::fprintf(stderr, "no fuzz target named %s\n", KRATTLE_FUZZ_TARGET);
      std::abort();
    }
    return t;
  }();
  target->Run({data, size});
  return 0;
}
