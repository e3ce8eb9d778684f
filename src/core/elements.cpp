#include "core/elements.h"

#include <array>

namespace krattle {

const Element ElementChoices[ElementChoiceCount] = {
    SteelWall,
    Dirt,
    Space,
    BoulderStationary,
    BoulderFalling,
    BoulderGlued,
    DiamondStationary,
    DiamondFalling,
    DiamondGlued,
    DiamondBirth,
    Dravik,
    DravikBirth,
    DravikWithBomb,
    ExitClosed,
    ExitOpen,
    FireflyLeft,
    FireflyUp,
    FireflyRight,
    FireflyDown,
    ButterflyLeft,
    ButterflyUp,
    ButterflyRight,
    ButterflyDown,
    Wall,
    MagicWall,
    HorizExpWall,
    VertExpWall,
    BothDirExpWall,
    WallFalling,
    WallFallingFalling,
    Amoeba,
    Slime,
    Acid,
    Dummy,
    Clock,
    Bomb,
    BombIgnited,
    BombSolid,
    BombFalling,
    BombGlued,
    AltFireflyLeft,
    AltFireflyUp,
    AltFireflyRight,
    AltFireflyDown,
    AltButterflyLeft,
    AltButterflyUp,
    AltButterflyRight,
    AltButterflyDown,
    Explosion,
    BombExpl,
    SolidBombExpl,
    144,
};

namespace {

struct NameEntry {
  std::string_view name;
  std::string_view shown;
};

constexpr std::array<NameEntry, 117> MakeNames() {
  std::array<NameEntry, 117> t{};
  t[0] = {"Space", "Space"};
  t[1] = {"Dirt", "Dirt"};
  t[2] = {"Wall", "Wall"};
  t[3] = {"MagicWall", "Magic Wall"};
  t[4] = {"ExitClosed", "Exit closed"};
  t[5] = {"ExitOpen", "Exit open"};
  t[7] = {"SteelWall", "Steel wall"};
  t[8] = {"HorizExpWall", "Wall expanding horizontally"};
  t[9] = {"HorizExpWallMoved", ""};
  t[10] = {"FireflyMovedRight", ""};
  t[11] = {"FireflyMovedDown", ""};
  t[12] = {"FireflyLeft", "Firefly LEFT"};
  t[13] = {"FireflyUp", "Firefly UP"};
  t[14] = {"FireflyRight", "Firefly RIGHT"};
  t[15] = {"FireflyDown", "Firefly DOWN"};
  t[16] = {"ButterflyMovedDown", ""};
  t[17] = {"ButterflyMovedRight", ""};
  t[18] = {"ButterflyDown", "Butterfly DOWN"};
  t[19] = {"ButterflyLeft", "Butterfly LEFT"};
  t[20] = {"ButterflyUp", "Butterfly UP"};
  t[21] = {"ButterflyRight", "Butterfly RIGHT"};
  t[22] = {"Dravik", "Dravik"};
  t[23] = {"DravikMoved", ""};
  t[24] = {"BoulderStationary", "Boulder stationary"};
  t[25] = {"BoulderPushed", ""};
  t[26] = {"BoulderFalling", "Boulder falling"};
  t[27] = {"BoulderFallingMoved", ""};
  t[28] = {"DiamondStationary", "Diamond stationary"};
  t[29] = {"DiamondStationaryMoved", ""};
  t[30] = {"DiamondFalling", "Diamond falling"};
  t[31] = {"DiamondFallingMoved", ""};
  t[32] = {"ExplodeRegular", ""};
  t[33] = {"ExplosionMoved", ""};
  t[34] = {"Explosion", "Explosion regular"};
  t[35] = {"Explosion2", ""};
  t[36] = {"Explosion3", ""};
  t[37] = {"Explosion4", ""};
  t[38] = {"ExplodeToDiamonds", ""};
  t[39] = {"DiamondBirthMoved", ""};
  t[40] = {"DiamondBirth", "Diamond birth"};
  t[41] = {"DiamondBirth2", ""};
  t[42] = {"DiamondBirth3", ""};
  t[43] = {"DiamondBirth4", ""};
  t[44] = {"Amoeba", "Amoeba"};
  t[45] = {"AmoebaMoved", ""};
  t[46] = {"Slime", "Slime"};
  t[48] = {"Clock", "Clock"};
  t[49] = {"ClockTaken", ""};
  t[50] = {"Entrance", ""};
  t[51] = {"DravikBirth", "Dravik birth"};
  t[52] = {"DravikBirth2", ""};
  t[53] = {"DravikBirth3", ""};
  t[54] = {"Cover", ""};
  t[55] = {"DravikInExitMoved", ""};
  t[56] = {"DravikInExit", ""};
  t[58] = {"VertExpWall", "Wall expanding vertically"};
  t[59] = {"VertExpWallMoved", ""};
  t[60] = {"Dummy", "Dummy"};
  t[62] = {"BothDirExpWall", "Wall expanding"};
  t[63] = {"BothDirExpWallMoved", ""};
  t[64] = {"WallFalling", "Falling wall"};
  t[65] = {"WallFallingFallingMoved", ""};
  t[66] = {"WallFallingFalling", "Falling wall falling"};
  t[68] = {"Acid", "Acid"};
  t[69] = {"AcidMoved", ""};
  t[70] = {"BombSolid", "Bomb solid"};
  t[71] = {"BombSolidPushed", ""};
  t[72] = {"BombFalling", "Bomb falling"};
  t[73] = {"BombFallingMoved", ""};
  t[74] = {"SolidBombDetonateMoved", ""};
  t[75] = {"SolidBombDetonate", ""};
  t[76] = {"SolidBombExplMoved", ""};
  t[77] = {"SolidBombExpl", "Explosion solid bomb"};
  t[78] = {"SolidBombExpl2", ""};
  t[79] = {"SolidBombExpl3", ""};
  t[80] = {"SolidBombExpl4", ""};
  t[82] = {"BombGlued", "Bomb glued"};
  t[84] = {"BoulderGlued", "Boulder glued"};
  t[86] = {"DiamondGlued", "Diamond glued"};
  t[90] = {"AltFireflyMovedRight", ""};
  t[91] = {"AltFireflyMovedDown", ""};
  t[92] = {"AltFireflyLeft", "Firefly LEFT alternative"};
  t[93] = {"AltFireflyUp", "Firefly UP alternative"};
  t[94] = {"AltFireflyRight", "Firefly RIGHT alternative"};
  t[95] = {"AltFireflyDown", "Firefly DOWN alternative"};
  t[96] = {"AltButterflyMovedDown", ""};
  t[97] = {"AltButterflyMovedRight", ""};
  t[98] = {"AltButterflyDown", "Butterfly DOWN alternative"};
  t[99] = {"AltButterflyLeft", "Butterfly LEFT alternative"};
  t[100] = {"AltButterflyUp", "Butterfly UP alternative"};
  t[101] = {"AltButterflyRight", "Butterfly RIGHT alternative"};
  t[102] = {"DravikWithBomb", "Dravik with bomb"};
  t[103] = {"DravikWithBombMoved", ""};
  t[104] = {"Bomb", "Bomb"};
  t[105] = {"BombIgnitedMoved", ""};
  t[106] = {"BombIgnited", "Bomb ignited"};
  t[107] = {"BombIgnited2", ""};
  t[108] = {"BombIgnited3", ""};
  t[109] = {"BombIgnited4", ""};
  t[110] = {"BombIgnited5", ""};
  t[112] = {"BombIgnited6", ""};
  t[113] = {"BombExplMoved", ""};
  t[114] = {"BombExpl", "Explosion bomb"};
  t[115] = {"BombExpl2", ""};
  t[116] = {"BombExpl3", ""};
  return t;
}

constexpr auto kNames = MakeNames();

}  // namespace

std::string_view ElementName(Element code) {
  return code < kNames.size() ? kNames[code].name : "";
}

std::string_view ElementDisplayText(Element code) {
  return code < kNames.size() ? kNames[code].shown : "";
}

}  // namespace krattle
