#pragma once
// Cave source files: a readable text form of one cave (its map, its parameters per level and,
// optionally, generator settings for its terrain) that compiles into a slot range of a set.
// The format is described in docs/caves.md.

#include <string>
#include <vector>

#include "core/cave_set.h"

namespace krattle::cavec {

// The element a map character stands for; false for characters the legend does not know.
bool MapElement(char c, Element& out);

struct CompileError {
  std::string File;
  int Line = 0;
  std::string Message;
  std::string Text() const { return File + ":" + std::to_string(Line) + ": " + Message; }
};

// Compiles one cave source into `set` (all five levels of the cave it names). Returns the cave
// index, or -1 with `error` filled in.
int CompileCave(const std::string& fileName, const std::string& text, CaveSet& set,
                CompileError& error);

struct Source {
  std::string Name;
  std::string Text;
};

// A fresh set (empty high scores, no saved game) built from the sources; a cave may appear at
// most once, and caves without a source stay as a new set has them (not playable).
bool CompileSet(const std::vector<Source>& sources, CaveSet& set, std::string& error);

}  // namespace krattle::cavec
