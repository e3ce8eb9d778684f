#include "editor/edit_history.h"

namespace krattle {

void EditHistory::Begin(const CaveSet& set) {
  if (changing_) return;
  start_.assign(set.Bytes.begin(), set.Bytes.end());
  changing_ = true;
}

void EditHistory::End(const CaveSet& set) {
  if (!changing_) return;
  changing_ = false;
  Change c;
  for (std::size_t i = 0; i < set.Bytes.size(); ++i) {
    if (start_[i] == set.Bytes[i]) continue;
    c.Offsets.push_back(static_cast<std::uint32_t>(i));
    c.Before.push_back(start_[i]);
    c.After.push_back(set.Bytes[i]);
  }
  if (c.Offsets.empty()) return;
  done_.push_back(std::move(c));
  if (done_.size() > Limit) done_.pop_front();
  undone_.clear();
}

bool EditHistory::Undo(CaveSet& set) {
  End(set);
  if (done_.empty()) return false;
  Change c = std::move(done_.back());
  done_.pop_back();
  for (std::size_t k = 0; k < c.Offsets.size(); ++k) set.Bytes[c.Offsets[k]] = c.Before[k];
  undone_.push_back(std::move(c));
  return true;
}

bool EditHistory::Redo(CaveSet& set) {
  End(set);
  if (undone_.empty()) return false;
  Change c = std::move(undone_.back());
  undone_.pop_back();
  for (std::size_t k = 0; k < c.Offsets.size(); ++k) set.Bytes[c.Offsets[k]] = c.After[k];
  done_.push_back(std::move(c));
  return true;
}

void EditHistory::Clear() {
  changing_ = false;
  done_.clear();
  undone_.clear();
}

}  // namespace krattle
