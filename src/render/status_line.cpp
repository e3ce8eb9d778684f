#include "render/status_line.h"

#include "render/text.h"

namespace krattle {
namespace {

class StatusPainter {
 public:
  StatusPainter(Canvas& c, const ViewState& v, const CaveRun& run, const StatusContext& st,
                AnimClock a)
      : c_(c), v_(v), run_(run), st_(st), a_(a), sx_(v.StatusX) {}

  void Paint();

 private:
  const CaveParams& P() const { return run_.Params; }
  int Collected() const { return run_.State.DiamondsCollected; }
  bool Enough() const { return Collected() >= P().Diamonds; }
  void Text(int dx, std::string_view text, int digitSet = 0) {
    DrawText(c_, sx_ + dx, 0, text, 0, digitSet);
  }
  void Background() { c_.DrawItem(ImageListId::Fonts, FontStatusBackground + v_.ZoomMode, 0, 0); }
  int DiamondIcon() const {
    return FontDiamondIcon + 8 * TileStyles::From(P().Styles).Diamond + a_.A8();
  }
  void Icon(int dx, int item) { c_.DrawItem(ImageListId::Fonts, item, sx_ + dx, 2); }

  void DiamondCounters() {
    if (!Enough()) {
      Text(4, ZeroPad(P().Diamonds, 3));
      Text(100, ZeroPad(P().Value, 2));
    } else {
      Text(100, ZeroPad(P().Bonus, 2));
    }
    Text(170, ZeroPad(Collected(), 3), 1);
  }
  void RightField() {
    if (st_.DemoRecording) {
      Text(348, "REC/");
      Text(414, ZeroPad(600 - st_.DemoIndex, 3), 2);
    } else if (st_.DemoPlaying) {
      Text(364, "DEMO");
    } else {
      Text(352, ZeroPad(run_.Values.Score, 6));
    }
  }
  void TitleBlock(std::string_view text) {
    Text(4, text);
    Text(424, std::string(1, static_cast<char>('A' + st_.CurrentCave)));
    Text(444, std::string{'/', static_cast<char>('1' + st_.CurrentLevel)});
  }
  void Born();
  void BeforeBirth();

  Canvas& c_;
  const ViewState& v_;
  const CaveRun& run_;
  const StatusContext& st_;
  AnimClock a_;
  int sx_;
};

void StatusPainter::Born() {
  DiamondCounters();
  // Until the first clock tick the time holds the extra unit that tick takes (a stored 255 has
  // none); a clock taken meanwhile adds to it.
  const int timeLeft = run_.Values.TimeLeft;
  const bool extraUnit = !run_.Values.ClockTicked && P().CaveTime != 255 && timeLeft > 0;
  const int shown = extraUnit ? timeLeft - 1 : timeLeft;
  Text(260, ZeroPad(shown, 3), 2);
  RightField();
}

void StatusPainter::BeforeBirth() {
  const bool intermission = st_.CurrentCave >= 16;
  if (run_.State.InBoxCounter < 13) {
    if (st_.DemoRecording) {
      TitleBlock("RECORDING DEMO");
    } else if (st_.DemoPlaying) {
      TitleBlock("PLAYING DEMO");
    } else {
      const int lives = run_.Values.Lives;
      Text(4, ZeroPad(lives, 1), 1);
      Text(34, lives == 1 ? "MAN     HIGH SCORE" : "MEN     HIGH SCORE");
      Text(352, ZeroPad(run_.Values.HighScore, 6));
    }
  } else if (intermission || P().BigIntermission != 0) {
    Text(160, "BONUS LIFE");
  } else if (st_.DemoRecording) {
    TitleBlock("RECORDING DEMO");
  } else if (st_.DemoPlaying) {
    TitleBlock("PLAYING DEMO");
  } else {
    TitleBlock(st_.SetName);
  }
}

void StatusPainter::Paint() {
  Background();
  const bool born = run_.State.PlayerBorn;
  const int icon = run_.State.CarryingBomb ? FontBombIcon : DiamondIcon();
  if (born) Icon(74, icon);
  if (Enough()) {
    Icon(48, icon);
    Icon(22, icon);
  }
  switch (run_.Values.GamePhase) {
    case gpPause:
      DiamondCounters();
      Text(246, "PAUSE");
      RightField();
      if (!born) Icon(74, DiamondIcon());
      break;
    case gpOutOfTime:
      DiamondCounters();
      Text(260, "OUT OF TIME");
      break;
    case gpGameOver:
      Background();
      Text(160, "GAME OVER");
      break;
    case gpDemoEnd:
      Background();
      Text(116, "KRATTLE");
      break;
    default:
      if (born)
        Born();
      else
        BeforeBirth();
      break;
  }
  if (run_.Values.BonusLifeBanner != 0) {
    Background();
    Text(160, "BONUS LIFE");
  }
}

}  // namespace

void DrawStatusLine(Canvas& canvas, const ViewState& view, const CaveRun& run,
                    const StatusContext& status, AnimClock clock) {
  StatusPainter(canvas, view, run, status, clock).Paint();
}

}  // namespace krattle
