#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Company.h"

namespace dzwonex::bots {

// A way of running the branch: it reads the company and says the next text
// command, one at a time, until "day" ends its day. It never touches the
// game's generator; a strategy that needs chance has its own.
class Strategy {
public:
    virtual ~Strategy() = default;
    virtual std::string Name() const = 0;
    // Whether it reads what a case says (its kind, its parameters) or the
    // company's state; the rating must not reward the ones that do not.
    virtual bool ReadsCases() const = 0;
    // One of the ten fixed policies: the same answer for every case of a
    // kind, whatever it says and however the company stands.
    virtual bool FixedPolicy() const { return false; }
    // The next command of the day; answeredToday counts the answers so far.
    virtual std::string Next(const Company& game, int32_t answeredToday) = 0;
};

// A new instance of every strategy for one game, by name (nullptr for an
// unknown name); the chance of the random one comes from `seed`.
std::vector<std::unique_ptr<Strategy>> AllStrategies(uint32_t seed);
std::unique_ptr<Strategy> StrategyNamed(const std::string& name, uint32_t seed);

}  // namespace dzwonex::bots
