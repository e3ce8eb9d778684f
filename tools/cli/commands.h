#pragma once
// krattle-cli commands. Each takes the arguments after its name and returns the exit status.

#include <filesystem>
#include <string>
#include <vector>

#include "core/file_bytes.h"
#include "render/software_canvas.h"

namespace krattle::cli {

using Args = std::vector<std::string>;

int NewSetCommand(const Args& args);
int SimCommand(const Args& args);
int ShotCommand(const Args& args);
int UnpackCommand(const Args& args);
int PackCommand(const Args& args);
int SheetCommand(const Args& args);
int RecordCommand(const Args& args);
int DemoCommand(const Args& args);
int GenerateCommand(const Args& args);
int RunCommand(const Args& args);

// Parses a whole decimal number in [lo, hi]; false when it is not one.
bool ParseInt(const std::string& text, long lo, long hi, long& out);

// A cave as the player names it (a letter A..T, either case) or by its number 0..19.
bool ParseCave(const std::string& text, long& out);

// Where the program's data/, languages/ and Levels/ are: beside the executable, or the
// installed tree.
std::filesystem::path ProgramFolder();

// The canvas's picture as a PNG, encoded in memory and saved through the atomic writer.
IoResult WritePng(const std::filesystem::path& path, const SoftwareCanvas& canvas);

}  // namespace krattle::cli
