#pragma once
// The waves of the sound set, by number. A name that covers several waves is the first of a run
// that is drawn from at random.

namespace krattle::waves {

inline constexpr int DiamondFall = 0;  // 0..2
inline constexpr int BoulderFall = 3;
inline constexpr int BoulderLand = 4;
inline constexpr int Step = 5;  // 5..6
inline constexpr int Dig = 7;
inline constexpr int DiamondTaken = 8;
inline constexpr int Push = 9;  // also an expanding wall growing
inline constexpr int Killed = 10;
inline constexpr int Explosion = 11;  // 11..12
inline constexpr int AmoebaLoop = 13;
inline constexpr int AmoebaGrows = 14;
inline constexpr int Signal = 15;  // birth begins, exit opens
inline constexpr int CaveStart = 16;
inline constexpr int BonusLife = 17;
inline constexpr int LowTimeExit = 18;
inline constexpr int CaveCompleted = 19;  // runs on through the time bonus
inline constexpr int MagicWallLoop = 20;
inline constexpr int Click = 21;
inline constexpr int IntoSlime = 22;
inline constexpr int TimeRunningOut = 23;
inline constexpr int ClockTaken = 24;
inline constexpr int BombTaken = 25;
inline constexpr int BombLaid = 26;
inline constexpr int AcidSpreads = 27;
inline constexpr int WallFalls = 28;
inline constexpr int Count = 29;

}  // namespace krattle::waves
