#include "engine/engine.h"

namespace krattle {

namespace {

// Steel and cells already in a solid-bomb explosion shrug off every blast.
bool BlastProof(Element c) {
  return c == SteelWall || (c >= SolidBombDetonateMoved && c <= SolidBombExpl4);
}

bool IsSolidBomb(Element c) {
  return (c >= BombSolid && c <= BombFallingMoved) || c == BombGlued;
}

}  // namespace

void Engine::Blast3x3(int x, Element stage1, Element moved) {
  const int w = W();
  const int cells[9] = {x - w - 1, x - w, x - w + 1, x - 1, x, x + 1, x + w - 1, x + w, x + w + 1};
  for (int k = 0; k < 9; ++k) {
    const int i = g_.Safe(cells[k]);
    Element& c = g_.Cells[i];
    if (k == 4) {
      c = stage1;
      continue;
    }
    // Cells before the centre in this order get the stage code, later ones the moved code,
    // so the whole blast ages in step whatever the scan has passed.
    const bool before = k < 4;
    if (BlastProof(c)) continue;
    if (IsDravik(c)) {
      e_.PlayerKilledEvent = 1;
    } else if (c == Dummy) {
      s_.DummyTriggered = true;
    } else if (IsSolidBomb(c)) {
      c = before ? SolidBombDetonate : SolidBombDetonateMoved;
      continue;
    }
    c = before ? stage1 : moved;
  }
  e_.ExplosionEvent = 1;
}

void Engine::SolidBombBlast(int x) {
  const int w = W();
  const int cells[9] = {x - w - 1, x - w, x - w + 1, x - 1, x, x + 1, x + w - 1, x + w, x + w + 1};
  int idx[9];
  for (int k = 0; k < 9; ++k) {
    idx[k] = g_.Safe(cells[k]);
    const Element c = g_.Cells[idx[k]];
    if (c == Dummy) s_.DummyTriggered = true;
    if (IsDravik(c)) e_.PlayerKilledEvent = 1;
  }
  for (int k = 0; k < 9; ++k) {
    Element& c = g_.Cells[idx[k]];
    if (k == 4) {
      c = SolidBombExpl;
      continue;
    }
    const bool before = k < 4;
    if (BlastProof(c)) continue;
    if (IsSolidBomb(c))
      c = before ? SolidBombDetonate : SolidBombDetonateMoved;
    else
      c = before ? SolidBombExpl : SolidBombExplMoved;
  }
  e_.ExplosionEvent = 1;
}

void Engine::IgnitedBombBlast(int x) {
  const int w = W();
  const int cells[5] = {x - w, x - 1, x, x + 1, x + w};
  for (int k = 0; k < 5; ++k) {
    Element& c = g_.Cells[g_.Safe(cells[k])];
    if (k == 2) {
      c = BombExpl;
      continue;
    }
    const bool before = k < 2;  // above and left
    if (BlastProof(c)) continue;
    if (IsDravik(c)) {
      e_.PlayerKilledEvent = 1;
    } else if (c == Dummy) {
      s_.DummyTriggered = true;
    } else if (IsSolidBomb(c)) {
      c = before ? SolidBombDetonate : SolidBombDetonateMoved;
      continue;
    }
    c = before ? BombExpl : BombExplMoved;
  }
  e_.ExplosionEvent = 1;
}

}  // namespace krattle
