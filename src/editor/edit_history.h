#pragma once
// Undo and redo for the editor: each change to the set is kept as the bytes it changed, before
// and after, so a step back gives the set back exactly and the history costs little memory.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "core/cave_set.h"

namespace krattle {

class EditHistory {
 public:
  // Steps kept; the oldest go first.
  static constexpr std::size_t Limit = 200;

  // A change starts (a stroke at the press, a dialog as it opens). While one is open, another
  // Begin is part of it.
  void Begin(const CaveSet& set);
  // The change is complete; one that changed nothing is not kept. Clears what could be redone.
  void End(const CaveSet& set);
  bool Changing() const { return changing_; }

  bool CanUndo() const { return !done_.empty(); }
  bool CanRedo() const { return !undone_.empty(); }
  // Each returns false when there was nothing to take back or to do again.
  bool Undo(CaveSet& set);
  bool Redo(CaveSet& set);
  void Clear();

 private:
  struct Change {
    std::vector<std::uint32_t> Offsets;
    std::vector<std::uint8_t> Before, After;
  };
  std::vector<std::uint8_t> start_;
  bool changing_ = false;
  std::deque<Change> done_;
  std::vector<Change> undone_;
};

}  // namespace krattle
