#include "Assets.h"
namespace assets {
std::vector<std::int16_t> buttonSound() { return std::vector<std::int16_t>(1000); }
std::vector<std::int16_t> pageSound() { return std::vector<std::int16_t>(1000); }
std::vector<std::int16_t> clickSound() { return std::vector<std::int16_t>(1000); }
}
