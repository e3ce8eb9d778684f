#include "platform/sdl_media_codec.h"

#include <SDL.h>

#include <memory>
#include <vector>

#include "render/media_headers.h"
#include "render/set_file.h"
#include "render/wav_bytes.h"

namespace krattle {

namespace {

struct SurfaceFree {
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceFree>;

IoResult SdlFail(const std::string& what, const std::string& name) {
  return IoResult::Fail(what + " " + name + ": " + SDL_GetError());
}

// A file is read whole before its header is judged; absurd sizes are refused unread.
constexpr std::uint64_t MaxBmpFileBytes = 256u << 20;
constexpr std::uint64_t MaxWavFileBytes = 80u << 20;

std::string Quoted(const std::filesystem::path& path) {
  return "\"" + path.native() + "\"";
}

}  // namespace

IoResult SdlMediaCodec::DecodeBmp(std::span<const std::uint8_t> bytes, const std::string& name,
                                  Picture& out) {
  if (auto why = BmpHeaderProblem(bytes); !why.empty()) return IoResult::Fail(name + ": " + why);
  SurfacePtr loaded(SDL_LoadBMP_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1));
  if (!loaded) return SdlFail("cannot read picture", name);
  // The header passed, but the decoder has the last word on what it made.
  if (loaded->w <= 0 || loaded->h <= 0 || std::uint32_t(loaded->w) > MaxPictureSide ||
      std::uint32_t(loaded->h) > MaxPictureSide)
    return IoResult::Fail(name + ": implausible picture size");
  SurfacePtr rgb(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
  if (!rgb) return SdlFail("cannot convert picture", name);
  Picture pic(rgb->w, rgb->h);
  if (SDL_LockSurface(rgb.get()) != 0) return SdlFail("cannot read picture", name);
  for (int y = 0; y < rgb->h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(rgb->pixels) +
                                                      std::size_t(y) * rgb->pitch);
    for (int x = 0; x < rgb->w; ++x) pic.At(x, y) = row[x] & 0xFFFFFF;
  }
  SDL_UnlockSurface(rgb.get());
  out = std::move(pic);
  return {};
}

IoResult SdlMediaCodec::DecodeWav(std::span<const std::uint8_t> bytes, const std::string& name,
                                  Wave& out) {
  if (auto why = WavHeaderProblem(bytes); !why.empty()) return IoResult::Fail(name + ": " + why);
  SDL_AudioSpec audio;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  if (!SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), 1, &audio, &buffer,
                      &length))
    return SdlFail("cannot read wave", name);
  std::unique_ptr<Uint8, void (*)(Uint8*)> owned(buffer, SDL_FreeWAV);
  Wave w;
  w.Channels = audio.channels;
  w.SampleRate = audio.freq;
  switch (audio.format) {
    case AUDIO_U8: w.BitsPerSample = 8; break;
    case AUDIO_S16LSB: w.BitsPerSample = 16; break;
    default: return IoResult::Fail(name + ": only 8- and 16-bit PCM waves are supported");
  }
  if (w.Channels < 1 || w.Channels > 2)
    return IoResult::Fail(name + ": only mono and stereo waves are supported");
  length -= length % Uint32(w.BlockAlign());
  w.Data.assign(buffer, buffer + length);
  out = std::move(w);
  return {};
}

IoResult SdlMediaCodec::LoadBmp(const std::filesystem::path& path, Picture& out) {
  std::vector<std::uint8_t> bytes;
  if (auto res = ReadFileBytes(path, MaxBmpFileBytes, bytes); !res.Ok) return res;
  return DecodeBmp(bytes, Quoted(path), out);
}

IoResult SdlMediaCodec::SaveBmp(const std::filesystem::path& path, const Picture& pic) {
  // A 24-bit surface so SDL writes the plain, most widely read kind of BMP.
  SurfacePtr s(SDL_CreateRGBSurfaceWithFormat(0, pic.Width, pic.Height, 24, SDL_PIXELFORMAT_RGB24));
  if (!s) return SdlFail("cannot make picture for", Quoted(path));
  for (int y = 0; y < pic.Height; ++y) {
    auto* row = static_cast<Uint8*>(s->pixels) + std::size_t(y) * s->pitch;
    for (int x = 0; x < pic.Width; ++x) {
      const Rgb c = pic.At(x, y);
      row[3 * x] = Uint8(c >> 16);
      row[3 * x + 1] = Uint8(c >> 8);
      row[3 * x + 2] = Uint8(c);
    }
  }
  if (SDL_SaveBMP(s.get(), path.c_str()) != 0) return SdlFail("cannot write", Quoted(path));
  return {};
}

IoResult SdlMediaCodec::LoadWav(const std::filesystem::path& path, Wave& out) {
  std::vector<std::uint8_t> bytes;
  if (auto res = ReadFileBytes(path, MaxWavFileBytes, bytes); !res.Ok) return res;
  return DecodeWav(bytes, Quoted(path), out);
}

IoResult SdlMediaCodec::SaveWav(const std::filesystem::path& path, const Wave& wave) {
  // SDL reads WAV but cannot write it; the RIFF layout is ours, the file I/O SDL's.
  const auto bytes = EncodeWav(wave);
  SDL_RWops* rw = SDL_RWFromFile(path.c_str(), "wb");
  if (!rw) return SdlFail("cannot write", Quoted(path));
  const bool ok = SDL_RWwrite(rw, bytes.data(), 1, bytes.size()) == bytes.size();
  if (SDL_RWclose(rw) != 0 || !ok) return SdlFail("cannot write", Quoted(path));
  return {};
}

}  // namespace krattle
