// krattle-cavec: compiles cave sources (levels/*.cave) into a cave set.
//   krattle-cavec OUT.kcv SOURCE.cave...

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>

#include "cave_source.h"
#include "core/cave_set_file.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: krattle-cavec OUT.kcv SOURCE.cave...\n");
    return 2;
  }
  std::vector<krattle::cavec::Source> sources;
  for (int i = 2; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "krattle-cavec: cannot read %s\n", argv[i]);
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    sources.push_back({argv[i], text.str()});
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
