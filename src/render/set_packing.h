#pragma once
// Unpacking a set into numbered BMP/WAV files and packing such files back into a set.

#include <filesystem>
#include <string>

#include "core/file_bytes.h"
#include "render/media_codec.h"

namespace krattle {

enum class SetKind { None, Pictures, Waves };

// By the exact, case-sensitive last four characters of the file name.
SetKind SetKindOf(const std::filesystem::path& file);

// "000.bmp", "017.wav": three digits from 0.
std::string NumberedFileName(int n, SetKind kind);

// programDir/Unpack/<file name without its last four characters>; empty when what is left is
// "", "." or "..".
std::filesystem::path DefaultUnpackFolder(const std::filesystem::path& programDir,
                                          const std::filesystem::path& setFile);

struct PackResult {
  IoResult Io;
  SetKind Kind = SetKind::None;
  int Items = 0;  // files written by unpack, items stored by pack
};

// Writes every item of the set as a numbered file into intoDir, creating it as needed.
PackResult UnpackSet(const std::filesystem::path& setFile, const std::filesystem::path& intoDir,
                     MediaCodec& codec);

// Pictures: every NNN.bmp of 000..324 that exists becomes the next item (a gap closes up),
// transparent magenta. Waves: 000..028 must all exist, unlooped with no play limit. The kind
// follows the output name's extension. Nothing is written unless everything was read.
PackResult PackSet(const std::filesystem::path& dir, const std::filesystem::path& outFile,
                   MediaCodec& codec);

}  // namespace krattle
