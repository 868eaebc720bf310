#include "Sprawa.h"

namespace dzwonex {

namespace {
long liveCount = 0;
}

TSprawa::TSprawa() { ++liveCount; }
TSprawa::~TSprawa() { --liveCount; }
long TSprawa::LiveCount() { return liveCount; }

}  // namespace dzwonex
