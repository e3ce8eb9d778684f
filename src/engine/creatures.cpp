#include "engine/engine.h"
#include "engine/quick_step.h"

namespace krattle {

void Engine::CreatureBlast(int a, bool butterfly, int near) {
  const bool dummy = near & quick::kNextToDummy;
  if (!dummy && (near & quick::kNextToDravik)) e_.PlayerKilledEvent = 1;
  if (butterfly)
    ButterflyBlast(a);
  else
    RegularBlast(a);
  if (dummy) s_.DummyTriggered = true;
}

}  // namespace krattle
