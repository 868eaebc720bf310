#include "Cos.h"

#include "Random.h"

namespace dzwonex {

namespace {
long liveCount = 0;
}

TCos::TCos(RandomSource& random, int32_t mapWidth, int32_t mapHeight) {
    ++liveCount;
    PlaceRandomly(random, mapWidth, mapHeight);
}

TCos::~TCos() { --liveCount; }

void TCos::PlaceRandomly(RandomSource& random, int32_t mapWidth, int32_t mapHeight) {
    X = random.Random(mapWidth);
    Y = random.Random(mapHeight);
}

long TCos::LiveCount() { return liveCount; }

}  // namespace dzwonex
