#pragma once
// Painters of every element, one family per source file. Each returns one picture of
// size x size pixels (transparent where the background should show).

#include "raster.h"

namespace assetgen {

Picture Boulder(int size, int style, int frame);
Picture SolidBomb(int size);
Picture Bomb(int size);
Picture Clock(int size);

Picture Diamond(int size, int style, int frame);
Picture DiamondBirth(int size, int style, int stage, int image);

Picture Dirt(int size, int style, int look);
Picture BrickWall(int size, int style);
Picture MagicWall(int size, int style, int frame);
Picture SteelWall(int size, int style, int frame);

Picture Firefly(int size, int style, int frame);
Picture Butterfly(int size, int style, int frame);

Picture Amoeba(int size, int frame);
Picture Slime(int size, int frame);
Picture Acid(int size, int frame);

Picture Explosion(int size, int stage, int image);
Picture Exit(int size, int style, bool lit);

enum class Pose { Stand, Blink, Tap, BlinkTap, WalkLeft, WalkRight };
Picture Dravik(int size, Pose pose, int frame);
Picture DravikBirth(int size, int stage, int image);

// Whole-screen pictures of the title screen; tile is 32 or 40.
Picture TitlePicture(int width, int height, int tile);
Picture PreviewFrame(int width, int height, int tile);
Picture HighScorePanel(int width, int height, int tile);

}  // namespace assetgen
