#include "Assets.h"
namespace assets {
xm::Module composeMusic() { xm::Module m; m.patterns.emplace_back(64, 8); m.order = {0}; return m; }
}
