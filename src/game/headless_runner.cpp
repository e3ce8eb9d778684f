#include "game/headless_runner.h"

#include <algorithm>
#include <cctype>

#include "game/keys.h"

namespace krattle {

int KeyByName(std::string_view name) {
  struct Named {
    std::string_view Name;
    int Key;
  };
  static constexpr Named kNames[] = {
      {"Left", keys::Left},   {"Right", keys::Right},   {"Up", keys::Up},
      {"Down", keys::Down},   {"Space", keys::Space},   {"Ctrl", keys::Ctrl},
      {"Enter", keys::Enter}, {"Escape", keys::Escape}, {"Esc", keys::Escape},
      {"F2", keys::F2},
  };
  for (const auto& n : kNames)
    if (n.Name == name) return n.Key;
  if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
    return keys::Letter(name[0]);
  return 0;
}

KeyScript ParseKeyScript(std::string_view text) {
  KeyScript out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i >= text.size()) break;
    std::size_t end = text.find(' ', i);
    if (end == std::string_view::npos) end = text.size();
    std::string_view token = text.substr(i, end - i);
    i = end;
    const std::size_t colon = token.find(':');
    KeyAction a;
    long frame = 0;
    bool digits = colon != std::string_view::npos && colon > 0 && colon <= 9;
    for (std::size_t k = 0; digits && k < colon; ++k) {
      if (!std::isdigit(static_cast<unsigned char>(token[k]))) digits = false;
      frame = frame * 10 + (token[k] - '0');
    }
    if (!digits) {
      out.Error = std::string("'").append(token).append("' is not FRAME:KEY");
      out.Actions.clear();
      return out;
    }
    std::string_view key = token.substr(colon + 1);
    if (!key.empty() && (key[0] == '+' || key[0] == '-')) {
      a.What = key[0] == '+' ? KeyAction::Hold : KeyAction::Release;
      key.remove_prefix(1);
    }
    for (;;) {
      if (key.starts_with("Shift+")) {
        a.Shift |= keys::ShiftBit;
        key.remove_prefix(6);
      } else if (key.starts_with("Alt+")) {
        a.Shift |= keys::AltBit;
        key.remove_prefix(4);
      } else {
        break;
      }
    }
    a.Key = KeyByName(key);
    a.Frame = frame;
    if (a.Key == 0) {
      out.Error = std::string("unknown key '").append(key).append("'");
      out.Actions.clear();
      return out;
    }
    out.Actions.push_back(a);
  }
  std::stable_sort(out.Actions.begin(), out.Actions.end(),
                   [](const KeyAction& x, const KeyAction& y) { return x.Frame < y.Frame; });
  return out;
}

HeadlessRunner::HeadlessRunner(const StartupOptions& options, Canvas* screen, AssetLoader* assets,
                               MediaCodec* codec) {
  PlatformServices io{screen ? *screen : Recorder, Keys,   Sound, Music, Dialogs, Window,
                      assets ? *assets : Assets,   codec ? *codec : Codec};
  game_ = std::make_unique<Game>(io);
  started_ = game_->Creation(options);
  if (started_) game_->OnActivate();
}

void HeadlessRunner::ApplyScript() {
  while (next_ < script_.size() && script_[next_].Frame <= frames_) {
    const KeyAction& a = script_[next_++];
    if (a.What == KeyAction::Hold) {
      Keys.Press(a.Key);
    } else if (a.What == KeyAction::Release) {
      Keys.Release(a.Key);
    } else {
      game_->KeyDown(a.Key, a.Shift);
    }
  }
}

void HeadlessRunner::Frames(long n) {
  FramesUntil([] { return false; }, n);
}

long HeadlessRunner::FramesUntil(const std::function<bool()>& done, long limit) {
  for (long k = 0; k < limit; ++k) {
    if (clock_.ClockDue(now_, game_->ClockEnabled())) game_->ClockTick();
    ApplyScript();
    clock_.FrameDue(now_, game_->Config().Speed);
    game_->Frame();
    ++frames_;
    now_ = clock_.NextFrameMs(game_->Config().Speed);
    if (done()) return k + 1;
  }
  return limit;
}

}  // namespace krattle
