#pragma once
#include <cstdint>

namespace dzwonex {

class RandomSource;

// One subscriber point on the map, in map picture pixels. The lists and the
// cases share it, so a point that left its list stays readable while a case
// still refers to it.
class TCos {
public:
    TCos(RandomSource& random, int32_t mapWidth, int32_t mapHeight);
    ~TCos();
    TCos(const TCos&) = delete;
    TCos& operator=(const TCos&) = delete;

    // X first, then Y: the order of the draws matters for replays.
    void PlaceRandomly(RandomSource& random, int32_t mapWidth, int32_t mapHeight);

    int32_t X = 0;
    int32_t Y = 0;

    // Points alive in the process; lets tests prove nothing leaks or is freed twice.
    static long LiveCount();
};

}  // namespace dzwonex
