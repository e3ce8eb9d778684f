#pragma once
// Entry points that feed arbitrary bytes to every reader of user data. Each libFuzzer binary
// calls one of them; the corpus replay test calls all of them on the checked-in inputs, so the
// same code runs with or without clang.

#include <cstddef>
#include <cstdint>
#include <span>

namespace krattle::fuzz {

struct Target {
  const char* Name;  // also the folder of its seed inputs under tests/fuzz/corpus
  void (*Run)(std::span<const std::uint8_t> bytes);
};

// Every target, in a fixed order.
std::span<const Target> Targets();
// nullptr when there is no target of that name.
const Target* FindTarget(const char* name);

// A target found a fault the sanitizers cannot see (a broken invariant): stop so the fuzzer
// keeps the input.
[[noreturn]] void Broken(const char* what);

}  // namespace krattle::fuzz
