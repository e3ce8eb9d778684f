#include "game/headless_demo.h"

#include "game/keys.h"

namespace krattle {

void HoldInput(ScriptedKeyboard& keys, const InputFlags& in) {
  keys.ReleaseAll();
  if (in.InputRight) keys.Press(keys::Right);
  if (in.InputLeft) keys.Press(keys::Left);
  if (in.InputUp) keys.Press(keys::Up);
  if (in.InputDown) keys.Press(keys::Down);
  if (in.InputFire) keys.Press(keys::Letter('Z'));
}

DemoOutcome RecordDemoFromMoves(HeadlessRunner& runner, int cave, int level,
                                const std::vector<InputFlags>& moves, long frameLimit) {
  Game& game = runner.game();
  auto input = [&](std::size_t tick) { return tick < moves.size() ? moves[tick] : InputFlags{}; };
  game.ChooseCave(cave, level);
  game.ClearScore();
  // Keys for a tick are held from the frame after the previous tick on, so the frames between
  // (whose polls decide what the tick starts with) see them too.
  std::size_t tick = 0;
  HoldInput(runner.Keys, input(tick));
  game.RecordDemo();
  for (long f = 0; f < frameLimit && !game.Demo().Finished; ++f) {
    const bool ticks = game.Flow().ScreenMode == smGame && game.Run().Values.GamePhase == gpPlay &&
                       game.Flow().FrameStep == 0;
    runner.Frames(1);
    if (!ticks || game.Demo().Finished) continue;
    if (++tick >= moves.size()) {
      game.StopDemo(DemoEnd::Stopped);
      break;
    }
    HoldInput(runner.Keys, input(tick));
  }
  runner.Keys.ReleaseAll();
  return game.Demo().Finished ? game.Demo().Outcome : DemoOutcome{};
}

DemoOutcome PlayStoredDemo(HeadlessRunner& runner, int cave, long frameLimit) {
  Game& game = runner.game();
  if (!game.Set().DemoPresent(cave)) return {};
  game.ChooseCave(cave, game.Flow().CurrentLevel);
  game.ClearScore();
  game.PlayNextDemo();
  runner.FramesUntil([&] { return game.Demo().Finished && !game.Demo().EndPending; }, frameLimit);
  return game.Demo().Finished ? game.Demo().Outcome : DemoOutcome{};
}

}  // namespace krattle
