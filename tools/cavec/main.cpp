// krattle-cavec: compiles cave sources (levels/*.cave) into a cave set.
//   krattle-cavec OUT.kcv SOURCE.cave...

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cave_source.h"
#include "core/cave_set_file.h"
#include "core/file_bytes.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: krattle-cavec OUT.kcv SOURCE.cave...\n");
    return 2;
  }
  std::vector<krattle::cavec::Source> sources;
  for (int i = 2; i < argc; ++i) {
    // A source is a page of text; a device or a huge file given by mistake is refused unread.
    constexpr std::uint64_t kMaxSourceBytes = 1u << 20;
    std::vector<std::uint8_t> bytes;
    if (const auto read = krattle::ReadFileBytes(argv[i], kMaxSourceBytes, bytes); !read.Ok) {
      std::fprintf(stderr, "krattle-cavec: %s\n", read.Message.c_str());
      return 1;
    }
    sources.push_back({argv[i], std::string(bytes.begin(), bytes.end())});
  }
  auto set = std::make_unique<krattle::CaveSet>();
  std::string error;
  if (!krattle::cavec::CompileSet(sources, *set, error)) {
    std::fprintf(stderr, "krattle-cavec: %s\n", error.c_str());
    return 1;
  }
  auto saved = krattle::SaveCaveSet(argv[1], *set);
  if (!saved.Ok()) {
    std::fprintf(stderr, "krattle-cavec: %s\n", saved.Message.c_str());
    return 1;
  }
  return 0;
}
