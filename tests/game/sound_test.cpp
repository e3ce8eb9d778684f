#include <algorithm>

#include "game/tick_sounds.h"
#include "game_fixture.h"

namespace krattle::testing {
namespace {

std::vector<int> Waves(const TickEvents& e, Random& rng) {
  const TickWaves w = WavesForTick(e, rng);
  return {w.Wave.begin(), w.Wave.begin() + static_cast<std::ptrdiff_t>(w.Count)};
}

// Which wave each event calls for is the table itself; what matters beyond it is that a fixed
// wave costs no draw of the shared generator and that values no rule raises call for nothing.
TEST(TickSounds, FixedWavesDrawNothingAndUnknownValuesAreSilent) {
  const std::pair<std::uint8_t TickEvents::*, std::uint8_t> fixed[] = {
      {&TickEvents::FallEvent, 2},         {&TickEvents::PlayerAction, 2},
      {&TickEvents::PlayerAction, 7},      {&TickEvents::GrowthEvent, 1},
      {&TickEvents::PlayerKilledEvent, 1}, {&TickEvents::ExitEvent, 1},
      {&TickEvents::WallGrowthEvent, 1},   {&TickEvents::AcidWallEvent, 2},
  };
  for (const auto& [event, value] : fixed) {
    TickEvents e;
    e.*event = value;
    Random rng;
    EXPECT_EQ(Waves(e, rng).size(), 1u);
    EXPECT_EQ(rng.RandomSeed, 10u);
  }
  TickEvents odd;
  odd.FallEvent = 4;
  odd.PlayerAction = 8;
  odd.GrowthEvent = 3;
  odd.AcidWallEvent = 3;
  Random rng;
  EXPECT_TRUE(Waves(odd, rng).empty());
}

TEST(TickSounds, VariantsComeFromOneDrawOfTheSharedGenerator) {
  struct Case {
    std::uint8_t TickEvents::*Event;
    int First, Count;
  };
  for (const Case c : {Case{&TickEvents::FallEvent, 0, 3}, Case{&TickEvents::PlayerAction, 5, 2},
                       Case{&TickEvents::ExplosionEvent, 11, 2}}) {
    std::vector<bool> heard(static_cast<std::size_t>(c.Count));
    Random rng;
    for (int k = 0; k < 60; ++k) {
      TickEvents e;
      e.*c.Event = 1;
      Random expected = rng;
      const int wave = c.First + static_cast<int>(expected.RandomBelow(std::uint32_t(c.Count)));
      EXPECT_EQ(Waves(e, rng), std::vector<int>{wave});
      EXPECT_EQ(rng.RandomSeed, expected.RandomSeed);
      heard[static_cast<std::size_t>(wave - c.First)] = true;
    }
    EXPECT_TRUE(std::all_of(heard.begin(), heard.end(), [](bool b) { return b; })) << c.First;
  }
}

TEST(TickSounds, AllEventsOfOneTickPlayInTableOrder) {
  TickEvents e;
  e.FallEvent = 1;
  e.PlayerAction = 1;
  e.ExplosionEvent = 1;
  e.GrowthEvent = 2;
  e.PlayerKilledEvent = 1;
  e.SignalEvent = 1;
  e.ExitEvent = 1;
  e.ExitLowTimeEvent = 1;
  e.WallGrowthEvent = 1;
  e.AcidWallEvent = 1;
  Random rng, draws;
  const int fall = static_cast<int>(draws.RandomBelow(3));
  const int step = 5 + static_cast<int>(draws.RandomBelow(2));
  const int blast = 11 + static_cast<int>(draws.RandomBelow(2));
  EXPECT_EQ(Waves(e, rng), (std::vector<int>{fall, step, blast, 22, 10, 15, 19, 18, 9, 27}));
  EXPECT_EQ(rng.RandomSeed, draws.RandomSeed);
}

// A cave whose first tick drops a boulder into a magic wall, which wakes it for 3 clock ticks.
std::unique_ptr<CaveSet> MagicWallSet() {
  auto set = PlayableSet();
  set->A(SlotOf(0, 0), FieldA::MagicTime) = 3;
  set->MapCell(0, 0, 10, 5) = BoulderFalling;
  set->MapCell(0, 0, 10, 6) = MagicWall;
  for (int y = 7; y < 12; ++y) set->MapCell(0, 0, 10, y) = Space;
  return set;
}

class SoundTest : public GameTest {
 protected:
  std::vector<SoundCall> CallsSince(std::size_t from) const {
    const auto& all = runner_->Sound.Calls;
    return {all.begin() + static_cast<std::ptrdiff_t>(from), all.end()};
  }
  static int Count(const std::vector<SoundCall>& calls, SoundCall call) {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }
  void Ticks(int n) { runner().Frames(8 * n); }
};

const SoundCall Loop20{SoundCall::Loop, 20};
const SoundCall Stop20{SoundCall::Stop, 20};

TEST_F(SoundTest, MagicWallLoopStartsOnceAndStopsWhenTheWallExpires) {
  Use(*MagicWallSet());
  StartAt(0, 0);
  RunToPlay();
  const std::size_t from = runner().Sound.Calls.size();
  Ticks(5);
  ASSERT_EQ(game().Run().State.MagicWallState, 1);
  EXPECT_EQ(Count(CallsSince(from), Loop20), 1);
  EXPECT_EQ(Count(CallsSince(from), Stop20), 0);
  runner().FramesUntil([&] { return game().Run().State.MagicWallState == 2; }, 3000);
  ASSERT_EQ(game().Run().State.MagicWallState, 2);
  Ticks(1);
  EXPECT_EQ(Count(CallsSince(from), Stop20), 1);
  EXPECT_FALSE(game().Run().State.MagicWallSoundOn);
  Ticks(3);
  EXPECT_EQ(Count(CallsSince(from), Loop20), 1);
}

TEST_F(SoundTest, MutedLoopsKeepTheirFlagAndRestartAtTheNextTickAfterUnmuting) {
  Use(*MagicWallSet());
  StartAt(0, 0);
  RunToPlay();
  Ticks(2);
  game().ToggleMute();
  EXPECT_FALSE(game().Run().State.MagicWallSoundOn);
  EXPECT_EQ(runner().Sound.Calls.back(), (SoundCall{SoundCall::Stop, 16}));
  std::size_t from = runner().Sound.Calls.size();
  Ticks(3);
  // The engine takes the loop as started, though nothing is heard.
  EXPECT_TRUE(game().Run().State.MagicWallSoundOn);
  EXPECT_TRUE(CallsSince(from).empty());
  game().ToggleMute();
  EXPECT_FALSE(game().Run().State.MagicWallSoundOn);
  from = runner().Sound.Calls.size();
  Ticks(1);
  EXPECT_EQ(Count(CallsSince(from), Loop20), 1);
  Ticks(2);
  EXPECT_EQ(Count(CallsSince(from), Loop20), 1);
}

TEST_F(SoundTest, LeavingTheWindowStopsTheLoopsWhichComeBackAfterwards) {
  Use(*MagicWallSet());
  StartAt(0, 0);
  RunToPlay();
  Ticks(2);
  game().OnDeactivate();
  EXPECT_FALSE(game().Run().State.MagicWallSoundOn);
  game().OnActivate();
  const std::size_t from = runner().Sound.Calls.size();
  Ticks(1);
  EXPECT_EQ(Count(CallsSince(from), Loop20), 1);
}

TEST_F(SoundTest, ACaveStartStopsBothLoopsAndTheTitleMusic) {
  runner().Music.Opens = true;
  runner().Music.Length = 60000;
  game().SetUpMusic();
  Use(*MagicWallSet());
  EXPECT_TRUE(runner().Music.Playing);
  StartAt(0, 0);
  EXPECT_FALSE(runner().Music.Playing);
  EXPECT_EQ(runner().Music.Position, 0);
  RunToPlay();
  Ticks(2);
  ASSERT_TRUE(game().Run().State.MagicWallSoundOn);
  values().Lives = 3;
  const std::size_t from = runner().Sound.Calls.size();
  game().KeyDown(keys::Escape);  // the same cave again, one life less
  const auto calls = CallsSince(from);
  EXPECT_EQ(Count(calls, Stop20), 2);  // once on Escape, once by the cave start
  EXPECT_EQ(Count(calls, SoundCall{SoundCall::Stop, 13}), 2);
  EXPECT_EQ(Count(calls, SoundCall{SoundCall::Play, 16}), 1);
  EXPECT_FALSE(game().Run().State.MagicWallSoundOn);
}

TEST_F(SoundTest, RestartAttractFollowsTheMusicLengthOnlyWhenMusicCanBeHeard) {
  FakeMusic& music = runner().Music;
  // Without music: ten clock ticks and the player untouched.
  game().RestartAttract();
  EXPECT_EQ(flow().AttractCountdown, 10);
  EXPECT_EQ(music.Plays, 0);

  music.Opens = true;
  music.Length = 60000;
  game().SetUpMusic();
  EXPECT_EQ(game().Config().MusicTicks, 48);
  music.Position = 1234;
  const std::size_t from = runner().Sound.Calls.size();
  game().RestartAttract();
  EXPECT_EQ(flow().AttractCountdown, 49);
  EXPECT_EQ(music.Position, 0);
  EXPECT_TRUE(music.Playing);
  const auto calls = CallsSince(from);
  for (int wave : {13, 20, 16}) EXPECT_EQ(Count(calls, {SoundCall::Stop, wave}), 1) << wave;

  game().ToggleMute();
  EXPECT_FALSE(music.Playing);
  EXPECT_EQ(flow().AttractCountdown, 10);
  const int plays = music.Plays;
  game().RestartAttract();
  EXPECT_EQ(flow().AttractCountdown, 10);
  EXPECT_EQ(music.Plays, plays);
}

TEST_F(SoundTest, UnmutingOnTheTitleRestartsTheMusicButNotDuringAGame) {
  FakeMusic& music = runner().Music;
  music.Opens = true;
  music.Length = 200000;
  game().SetUpMusic();
  UsePlayable();
  game().ToggleMute();
  game().ToggleMute();
  EXPECT_TRUE(music.Playing);
  EXPECT_EQ(flow().AttractCountdown, 121);
  StartAt(0, 0);
  game().ToggleMute();
  const int plays = music.Plays;
  game().ToggleMute();
  EXPECT_EQ(music.Plays, plays);
  EXPECT_FALSE(music.Playing);
}

TEST(SoundStartup, MutedAtStartTheFirstDemoWaitsTenTicksWhateverTheMusic) {
  StartupOptions o;
  o.SoundOff = 1;
  HeadlessRunner r(o);
  r.Music.Opens = true;
  r.Music.Length = 200000;
  ASSERT_TRUE(r.game().Creation(o));
  r.game().OnActivate();
  EXPECT_TRUE(r.game().Config().MusicAvailable);
  EXPECT_EQ(r.game().Flow().AttractCountdown, 10);
  EXPECT_FALSE(r.Music.Playing);
}

}  // namespace
}  // namespace krattle::testing
