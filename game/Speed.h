#pragma once
#include <cstdint>

namespace dzwonex {

// The speed gauge's bands: a pointer x pixels from the left edge of a gauge
// `width` pixels wide picks (x * 10) / width, truncated toward zero and held
// to 0..10. So on the 200 px gauge a press reaches 0..9, and 10 only past
// its right edge.
int32_t SpeedStepAtPixel(int32_t x, int32_t width);

// The width of the gauge the text front end's `speed X` measures against.
inline constexpr int32_t kSpeedGaugeWidth = 200;

}  // namespace dzwonex
