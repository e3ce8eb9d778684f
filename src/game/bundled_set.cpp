#include "game/bundled_set.h"

#include <system_error>
#include <vector>

#include "core/cave_set.h"
#include "core/cave_set_file.h"
#include "core/file_bytes.h"

namespace krattle {

namespace {

bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code ec;
  return a == b || std::filesystem::equivalent(a, b, ec);
}

IoResult CopySet(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::vector<std::uint8_t> bytes;
  // The size test has passed; the cap only guards against a file swapped in meanwhile.
  if (IoResult r = ReadFileBytes(from, CaveSetSize + 127, bytes); !r.Ok) return r;
  std::error_code ec;
  std::filesystem::create_directories(to.parent_path(), ec);
  if (ec) return IoResult::Fail(to.parent_path().string() + ": " + ec.message());
  return WriteFileBytes(to, bytes);
}

}  // namespace

std::filesystem::path BundledSetToPlay(const std::filesystem::path& programDir,
                                       const std::filesystem::path& writeDir, Dialogs& ask,
                                       const Texts& texts) {
  const auto shared = programDir / "Levels" / "Krattle.kcv";
  if (!PassesSizeTest(shared)) return {};
  if (writeDir.empty() || SameFolder(programDir, writeDir)) return shared;
  const auto own = writeDir / "Levels" / "Krattle.kcv";
  if (PassesSizeTest(own)) return own;
  if (const IoResult r = CopySet(shared, own); !r.Ok) {
    ask.Message(texts.Format(TextId::ProgramCannotCopySet, {own.native(), r.Message}),
                texts.Get(TextId::ProgramTitle));
    return shared;
  }
  ask.Message(texts.Format(TextId::ProgramSetCopied, {own.native()}),
              texts.Get(TextId::ProgramTitle));
  return own;
}

}  // namespace krattle
