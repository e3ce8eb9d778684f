#pragma once
// Graphics (.kgf) and sound (.kwv) set files; the layout is written down in docs/set-formats.md.
// Decoding trusts nothing in the file: every count and length is checked against the bytes that
// are really there before anything is allocated.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/file_bytes.h"
#include "render/image_list.h"

namespace krattle {

inline constexpr std::uint16_t SetFileVersion = 1;
inline constexpr std::uint32_t MaxSetItems = 4096;
inline constexpr std::uint32_t MaxPictureSide = 8192;
inline constexpr std::uint32_t MaxWaveBytes = 64u << 20;
inline constexpr std::uint64_t MaxSetFileBytes = 512ull << 20;

// Why a picture or wave could not be stored in a set file; empty when it can.
std::string PictureProblem(const Picture& pic);
std::string WaveProblem(const Wave& wave);

std::vector<std::uint8_t> EncodeImageList(const ImageList& list);
std::vector<std::uint8_t> EncodeWaveList(const WaveList& list);

// On failure `out` is unchanged.
IoResult DecodeImageList(std::span<const std::uint8_t> bytes, ImageList& out);
IoResult DecodeWaveList(std::span<const std::uint8_t> bytes, WaveList& out);

// Refuses a set holding fewer than requiredItems items, so a short set fails here and not at
// the first draw of a missing picture.
IoResult LoadImageList(const std::filesystem::path& path, std::size_t requiredItems,
                       ImageList& out);
IoResult LoadWaveList(const std::filesystem::path& path, std::size_t requiredItems, WaveList& out);

IoResult SaveImageList(const std::filesystem::path& path, const ImageList& list);
IoResult SaveWaveList(const std::filesystem::path& path, const WaveList& list);

}  // namespace krattle
