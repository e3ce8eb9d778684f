#pragma once
// Every text of menus, dialogs and editor captions, one row each: the id the code asks by, the
// section and key a language file names it by, and the built-in English. Blanks inside a text align
// the key hints of the menus; a text never ends in blanks, as the INI reader strips them.

// The texts a language file may replace, in the order the loader reads them.
#define KRATTLE_LANGUAGE_TEXTS(X)                                                              \
  X(MenuGame, "Menu", "Game", "Game")                                                          \
  X(MenuLoadGame, "Menu", "LoadGame", "Load Game..       L")                                   \
  X(MenuStart, "Menu", "Start", "Start")                                                       \
  X(MenuStop, "Menu", "Stop", "Stop                    Q")                                     \
  X(MenuCavesEditor, "Menu", "CavesEditor", "Editor")                                          \
  X(MenuNew, "Menu", "New", "New")                                                             \
  X(MenuLoad, "Menu", "Load", "Load")                                                          \
  X(MenuSave, "Menu", "Save", "Save")                                                          \
  X(MenuSaveAs, "Menu", "SaveAs", "Save as..")                                                 \
  X(MenuPlayDemo, "Menu", "PlayDemo", "Play demo           D")                                 \
  X(MenuRecordDemo, "Menu", "RecordDemo", "Record demo      SHIFT+D")                          \
  X(MenuExit, "Menu", "Exit", "Exit")                                                          \
  X(MenuEdit, "Menu", "Edit", "Edit")                                                          \
  X(MenuOptions, "Menu", "Options", "Options")                                                 \
  X(MenuZoom, "Menu", "Zoom", "Zoom")                                                          \
  X(MenuFullScreen, "Menu", "FullScreen", "Full screen       ALT+ENTER")                       \
  X(MenuSpeed, "Menu", "Speed", "Speed    S")                                                  \
  X(MenuMute, "Menu", "Mute", "Mute                M")                                         \
  X(MenuSettings, "Menu", "Settings", "Settings")                                              \
  X(MenuInfo, "Menu", "Info", "Info")                                                          \
  X(MenuExitEditor, "Menu", "ExitEditor", "Exit Editor")                                       \
  X(MenuClose, "Menu", "Close", "Close")                                                       \
  X(MenuHighScore, "Menu", "HighScore", "High Score")                                          \
  X(EditorCaveTime, "Editor", "CaveTime", "Cave time")                                         \
  X(EditorMagicTime, "Editor", "MagicTime", "Magic time")                                      \
  X(EditorAmoebaTime, "Editor", "AmoebaTime", "Amoeba time")                                   \
  X(EditorDiamonds, "Editor", "Diamonds", "Diamonds")                                          \
  X(EditorValue, "Editor", "Value", "Value")                                                   \
  X(EditorBonus, "Editor", "Bonus", "Bonus")                                                   \
  X(EditorDemo, "Editor", "Demo", "Demo")                                                      \
  X(EditorRandom, "Editor", "Random", "Random")                                                \
  X(EditorClearCave, "Editor", "ClearCave", "Clear cave")                                      \
  X(EditorCopy, "Editor", "Copy", "Copy")                                                      \
  X(EditorPaste, "Editor", "Paste", "Paste")                                                   \
  X(EditorAdvanced, "Editor", "Advanced", "Advanced")                                          \
  X(EditorTest, "Editor", "Test", "Test")                                                      \
  X(EditorGenerator, "Editor", "Generator", "Cave generator")                                  \
  X(EditorGraphicsSet, "Editor", "GraphicsSet", "Graphics set")                                \
  X(EditorIncCave, "Editor", "IncCave", "Cave +")                                              \
  X(EditorDecCave, "Editor", "DecCave", "Cave -")                                              \
  X(EditorIncLevel, "Editor", "IncLevel", "Level +")                                           \
  X(EditorDecLevel, "Editor", "DecLevel", "Level -")                                           \
  X(EditorFireflyLeft, "Editor", "FireflyLeft", "Facing LEFT")                                 \
  X(EditorFireflyUp, "Editor", "FireflyUp", "Facing UP")                                       \
  X(EditorFireflyRight, "Editor", "FireflyRight", "Facing RIGHT")                              \
  X(EditorFireflyDown, "Editor", "FireflyDown", "Facing DOWN")                                 \
  X(EditorStationary, "Editor", "Stationary", "Stationary")                                    \
  X(EditorFalling, "Editor", "Falling", "Falling")                                             \
  X(EditorGlued, "Editor", "Glued", "Glued")                                                   \
  X(EditorModified, "Editor", "Modified", "Caves are modified. Save changes?")                 \
  X(EditorClearQuestion, "Editor", "ClearQuestion", "Do you really want to clear cave?")       \
  X(EditorPasteQuestion, "Editor", "PasteQuestion", "Do you really want to paste cave?")       \
  X(SpeedGameSpeed, "Speed", "GameSpeed", "Game speed")                                        \
  X(SpeedFast, "Speed", "Fast", "Fast")                                                        \
  X(SpeedSlow, "Speed", "Slow", "Slow")                                                        \
  X(SettingsGraphics, "Settings", "Graphics", "Graphics")                                      \
  X(SettingsFonts, "Settings", "Fonts", "Fonts")                                               \
  X(SettingsLanguage, "Settings", "Language", "Language")                                      \
  X(SettingsSounds, "Settings", "Sounds", "Sounds")                                            \
  X(SettingsFX, "Settings", "FX", "FX")                                                        \
  X(SettingsMusic, "Settings", "Music", "Music")                                               \
  X(SettingsUnpack, "Settings", "Unpack", "Unpack game files")                                 \
  X(SettingsUnpackMessage, "Settings", "UnpackMessage", "Unpack file into directory:")         \
  X(SettingsPack, "Settings", "Pack", "Pack game files")                                       \
  X(SettingsPackMessage, "Settings", "PackMessage", "Open the one of files to pack..")         \
  X(ItemsSteelWall, "Items", "SteelWall", "Steel wall")                                        \
  X(ItemsDirt, "Items", "Dirt", "Dirt")                                                        \
  X(ItemsSpace, "Items", "Space", "Space")                                                     \
  X(ItemsBoulderStationary, "Items", "BoulderStationary", "Boulder stationary")                \
  X(ItemsBoulderFalling, "Items", "BoulderFalling", "Boulder falling")                         \
  X(ItemsBoulderGlued, "Items", "BoulderGlued", "Boulder glued")                               \
  X(ItemsDiamondStationary, "Items", "DiamondStationary", "Diamond stationary")                \
  X(ItemsDiamondFalling, "Items", "DiamondFalling", "Diamond falling")                         \
  X(ItemsDiamondGlued, "Items", "DiamondGlued", "Diamond glued")                               \
  X(ItemsDiamondBirth, "Items", "DiamondBirth", "Diamond birth")                               \
  X(ItemsDravik, "Items", "Dravik", "Dravik")                                                  \
  X(ItemsDravikBirth, "Items", "DravikBirth", "Dravik birth")                                  \
  X(ItemsDravikWithBomb, "Items", "DravikWithBomb", "Dravik with bomb")                        \
  X(ItemsExitClosed, "Items", "ExitClosed", "Exit closed")                                     \
  X(ItemsExitOpen, "Items", "ExitOpen", "Exit open")                                           \
  X(ItemsFireflyLeft, "Items", "FireflyLeft", "Firefly LEFT")                                  \
  X(ItemsFireflyUp, "Items", "FireflyUp", "Firefly UP")                                        \
  X(ItemsFireflyRight, "Items", "FireflyRight", "Firefly RIGHT")                               \
  X(ItemsFireflyDown, "Items", "FireflyDown", "Firefly DOWN")                                  \
  X(ItemsButterflyLeft, "Items", "ButterflyLeft", "Butterfly LEFT")                            \
  X(ItemsButterflyUp, "Items", "ButterflyUp", "Butterfly UP")                                  \
  X(ItemsButterflyRight, "Items", "ButterflyRight", "Butterfly RIGHT")                         \
  X(ItemsButterflyDown, "Items", "ButterflyDown", "Butterfly DOWN")                            \
  X(ItemsWall, "Items", "Wall", "Wall")                                                        \
  X(ItemsMagicWall, "Items", "MagicWall", "Magic Wall")                                        \
  X(ItemsHorizExpWall, "Items", "HorizExpWall", "Wall expanding horizontally")                 \
  X(ItemsVertExpWall, "Items", "VertExpWall", "Wall expanding vertically")                     \
  X(ItemsBothDirExpWall, "Items", "BothDirExpWall", "Wall expanding")                          \
  X(ItemsWallFalling, "Items", "WallFalling", "Falling wall")                                  \
  X(ItemsWallFallingFalling, "Items", "WallFallingFalling", "Falling wall falling")            \
  X(ItemsAmoeba, "Items", "Amoeba", "Amoeba")                                                  \
  X(ItemsSlime, "Items", "Slime", "Slime")                                                     \
  X(ItemsAcid, "Items", "Acid", "Acid")                                                        \
  X(ItemsDummy, "Items", "Dummy", "Dummy")                                                     \
  X(ItemsClock, "Items", "Clock", "Clock")                                                     \
  X(ItemsBomb, "Items", "Bomb", "Bomb")                                                        \
  X(ItemsBombIgnited, "Items", "BombIgnited", "Bomb ignited")                                  \
  X(ItemsBombSolid, "Items", "BombSolid", "Bomb solid")                                        \
  X(ItemsBombFalling, "Items", "BombFalling", "Bomb falling")                                  \
  X(ItemsBombGlued, "Items", "BombGlued", "Bomb glued")                                        \
  X(ItemsAltFireflyLeft, "Items", "AltFireflyLeft", "Firefly LEFT alternative")                \
  X(ItemsAltFireflyUp, "Items", "AltFireflyUp", "Firefly UP alternative")                      \
  X(ItemsAltFireflyRight, "Items", "AltFireflyRight", "Firefly RIGHT alternative")             \
  X(ItemsAltFireflyDown, "Items", "AltFireflyDown", "Firefly DOWN alternative")                \
  X(ItemsAltButterflyLeft, "Items", "AltButterflyLeft", "Butterfly LEFT alternative")          \
  X(ItemsAltButterflyUp, "Items", "AltButterflyUp", "Butterfly UP alternative")                \
  X(ItemsAltButterflyRight, "Items", "AltButterflyRight", "Butterfly RIGHT alternative")       \
  X(ItemsAltButterflyDown, "Items", "AltButterflyDown", "Butterfly DOWN alternative")          \
  X(ItemsExplosion, "Items", "Explosion", "Explosion regular")                                 \
  X(ItemsBombExpl, "Items", "BombExpl", "Explosion bomb")                                      \
  X(ItemsSolidBombExpl, "Items", "SolidBombExpl", "Explosion solid bomb")                      \
  X(ItemsSlimeAll, "Items", "SlimeAll", "Diamonds & Boulders & Bombs")                         \
  X(ItemsSlimeAllWithoutBombs, "Items", "SlimeAllWithoutBombs", "Diamonds & Boulders")         \
  X(ItemsSlimeAllWithoutBoulders, "Items", "SlimeAllWithoutBoulders", "Diamonds & Bombs")      \
  X(ItemsSlimeAllWithoutDiamonds, "Items", "SlimeAllWithoutDiamonds", "Boulders & Bombs")      \
  X(AdvancedProperties, "Advanced", "Properties", "Properties")                                \
  X(AdvancedAmoebaMax, "Advanced", "AmoebaMax", "Max amoeba size")                             \
  X(AdvancedAmoebaSlow, "Advanced", "AmoebaSlow", "Amoeba slow probability")                   \
  X(AdvancedAmoebaFast, "Advanced", "AmoebaFast", "Amoeba fast probability")                   \
  X(AdvancedSlime, "Advanced", "Slime", "Slime permeability")                                  \
  X(AdvancedInBox, "Advanced", "InBox", "InBox delay")                                         \
  X(AdvancedPushing, "Advanced", "Pushing", "Pushing boulder probability")                     \
  X(AdvancedAcidSpeed, "Advanced", "AcidSpeed", "Acid speed")                                  \
  X(AdvancedExtraTime, "Advanced", "ExtraTime", "Extra time per clock")                        \
  X(AdvancedMagicStopsAmoeba, "Advanced", "MagicStopsAmoeba", "Magic wall don't stop amoeba")  \
  X(AdvancedCLCK, "Advanced", "CLCK", "CLCK")                                                  \
  X(AdvancedEnclosedAmoeba, "Advanced", "EnclosedAmoeba", "Enclosed amoeba turns into")        \
  X(AdvancedTooBigAmoeba, "Advanced", "TooBigAmoeba", "Too big amoeba turns into")             \
  X(AdvancedExplosion, "Advanced", "Explosion", "Regular explosion")                           \
  X(AdvancedBombExplosion, "Advanced", "BombExplosion", "Bomb explosion")                      \
  X(AdvancedSolidBombExplosion, "Advanced", "SolidBombExplosion", "Solid bomb explosion")      \
  X(AdvancedButterflyExplosion, "Advanced", "ButterflyExplosion", "Butterfly explosion")       \
  X(AdvancedFallingBoulder, "Advanced", "FallingBoulder", "Falling boulder turns into")        \
  X(AdvancedFallingDiamonds, "Advanced", "FallingDiamonds", "Falling boulder turns into")      \
  X(AdvancedDiamondInMagic, "Advanced", "DiamondInMagic", "Diamond in magic wall turns into")  \
  X(AdvancedAcidEats, "Advanced", "AcidEats", "Acid eats")                                     \
  X(AdvancedSlimePenetrated, "Advanced", "SlimePenetrated", "Slime is penetrated by")          \
  X(AdvancedBigIntermission, "Advanced", "BigIntermission", "Big intermission with scrolling") \
  X(AdvancedReset, "Advanced", "Reset", "Reset")                                               \
  X(GeneratorSeedValue, "Generator", "SeedValue", "Seed value")                                \
  X(GeneratorProbabilityOfItem1, "Generator", "ProbabilityOfItem1", "Probability of item 1")   \
  X(GeneratorProbabilityOfItem2, "Generator", "ProbabilityOfItem2", "Probability of item 2")   \
  X(GeneratorProbabilityOfItem3, "Generator", "ProbabilityOfItem3", "Probability of item 3")   \
  X(GeneratorProbabilityOfItem4, "Generator", "ProbabilityOfItem4", "Probability of item 4")   \
  X(GeneratorItem1, "Generator", "Item1", "Item 1")                                            \
  X(GeneratorItem2, "Generator", "Item2", "Item 2")                                            \
  X(GeneratorItem3, "Generator", "Item3", "Item 3")                                            \
  X(GeneratorItem4, "Generator", "Item4", "Item 4")                                            \
  X(GeneratorGenerate, "Generator", "Generate", "Generate")                                    \
  X(GeneratorInitialItem, "Generator", "InitialItem", "Initial item")

// Texts of this program that no language file names.
#define KRATTLE_PROGRAM_TEXTS(X)                                                                   \
  X(ProgramAbout, "Program", "About", "About Krattle")                                             \
  X(ProgramAboutCredits, "Program", "AboutCredits",                                                \
    "Made by the Krattle developers: program, caves, pictures, sounds and music.")                 \
  X(ProgramAboutKeys, "Program", "AboutKeys",                                                      \
    "Arrow keys move, Space or Ctrl snaps, P pauses, Escape gives up a life.")                     \
  X(ProgramAboutSettings, "Program", "AboutSettings", "Settings are kept in %1")                   \
  X(ProgramAboutNoSettings, "Program", "AboutNoSettings", "no file (this run keeps none)")         \
  X(ProgramTitle, "Program", "Title", "Krattle")                                                   \
  X(ProgramFontSet, "Program", "FontSet", "font set")                                              \
  X(ProgramSoundSet, "Program", "SoundSet", "sound set")                                           \
  X(ProgramTiles32, "Program", "Tiles32", "32-pixel tile set")                                     \
  X(ProgramTiles40, "Program", "Tiles40", "40-pixel tile set")                                     \
  X(ProgramCannotLoad, "Program", "CannotLoad", "Cannot load the %1.\n%2\n%3")                     \
  X(ProgramCannotOpenSet, "Program", "CannotOpenSet", "Cannot open the cave set: %1.")             \
  X(ProgramCannotReadSet, "Program", "CannotReadSet", "Cannot read %1: %2")                        \
  X(ProgramCannotSaveSet, "Program", "CannotSaveSet",                                              \
    "The cave set cannot be saved: %1.\nThe game goes on, but high scores and the position "       \
    "reached are lost when the program ends.")                                                     \
  X(ProgramCannotWriteSettings, "Program", "CannotWriteSettings",                                  \
    "The settings were not saved to %1: %2.")                                                      \
  X(ProgramYes, "Program", "Yes", "Yes")                                                           \
  X(ProgramNo, "Program", "No", "No")                                                              \
  X(ProgramOk, "Program", "OK", "OK")                                                              \
  X(ProgramCancel, "Program", "Cancel", "Cancel")                                                  \
  X(ProgramOpen, "Program", "Open", "Open")                                                        \
  X(ProgramSave, "Program", "Save", "Save")                                                        \
  X(ProgramOpenCaveSet, "Program", "OpenCaveSet", "Open cave set")                                 \
  X(ProgramSaveCaveSet, "Program", "SaveCaveSet", "Save cave set")                                 \
  X(ProgramUndo, "Program", "Undo", "Undo          CTRL+Z")                                        \
  X(ProgramRedo, "Program", "Redo", "Redo          CTRL+Y")                                        \
  X(ProgramCannotSaveCaves, "Program", "CannotSaveCaves",                                          \
    "The caves were not saved to %1: %2.\nThey are still marked as modified.")                     \
  X(ProgramFileName, "Program", "FileName", "File name")                                           \
  X(ProgramFilesOfType, "Program", "FilesOfType", "Files of type: %1")                             \
  X(ProgramReplaceFile, "Program", "ReplaceFile",                                                  \
    "%1 already exists.\nDo you want to replace it?")                                              \
  X(ProgramHighScorePrompt, "Program", "HighScorePrompt",                                          \
    "Your score of %1 makes the table.\nType your name (up to %2 characters) and press Enter.")    \
  X(ProgramNameCount, "Program", "NameCount", "%1 / %2 characters")                                \
  X(ProgramNameRefused, "Program", "NameRefused",                                                  \
    "\"%1\" cannot be stored in the table: names keep plain letters, digits and signs.")           \
  X(ProgramCannotUseSet, "Program", "CannotUseSet",                                                \
    "%1 cannot be used: %2\nThe previous set stays.")                                              \
  X(ProgramCannotPlayMusic, "Program", "CannotPlayMusic",                                          \
    "The music %1 cannot be played; the title screen waits without it.")                           \
  X(ProgramUnpackNoFolder, "Program", "UnpackNoFolder", "%1 leaves no name for a folder.")         \
  X(ProgramUnpackFailed, "Program", "UnpackFailed", "Unpacking stopped: %1")                       \
  X(ProgramPackFailed, "Program", "PackFailed", "Packing stopped: %1\nNothing was written.")       \
  X(ProgramPackWrongEnd, "Program", "PackWrongEnd", "%1 does not end in %2: nothing was written.") \
  X(ProgramSetCopied, "Program", "SetCopied",                                                      \
    "Your own copy of the caves that come with the game is %1.\n"                                  \
    "It keeps your place and your high scores.")                                                   \
  X(ProgramCannotCopySet, "Program", "CannotCopySet",                                              \
    "Cannot copy the caves that come with the game to %1: %2.\n"                                   \
    "Your place and high scores will not be kept.")
