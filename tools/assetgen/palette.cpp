#include "palette.h"

namespace assetgen {

Ramp MakeRamp(Rgb base) {
  constexpr Rgb Shadow = 0x140C30;
  constexpr Rgb Warm = 0xFFF2C8;
  return {{Mix(Scale(base, 0.28f), Shadow, 0.35f), Mix(Scale(base, 0.58f), Shadow, 0.15f), base,
           Mix(base, Warm, 0.38f), Mix(base, Warm, 0.72f)}};
}

const Rgb BoulderBase[4] = {0x8A8690, 0xA07A4E, 0x61789A, 0x9A5840};
const Rgb DiamondBase[4] = {0x38B4F0, 0xE82850, 0x28C868, 0xF0B818};
const Rgb DirtBase[9] = {0x8A5A30, 0xA8442C, 0xB8964A, 0x5E7A34, 0x6A7484,
                         0x7A4E86, 0x5A4434, 0xB86A28, 0x3E7A74};
const Rgb BrickBase[4] = {0xA8452C, 0x868290, 0x3E64A8, 0xC0A060};
const Rgb SteelBase[4] = {0x6A84A8, 0xB0904A, 0x5C6068, 0x4E9480};
const Rgb FireflyBase[4] = {0xFF8A18, 0xFF3A3A, 0xB8F030, 0xFF60D0};
const Rgb ButterflyBase[4] = {0x3AA0FF, 0xA860F0, 0x40D890, 0xF8D040};
const Rgb ExitBase[4] = {0x6A84A8, 0x9A6A3A, 0x7A50C8, 0x4E9480};

}  // namespace assetgen
