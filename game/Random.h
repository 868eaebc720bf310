#pragma once
#include <cstdint>

namespace dzwonex {

// Every draw of the game goes through one source, so a given seed replays
// the same game. Tests substitute scripted sources.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A whole number 0 .. n-1; 0 when n <= 0 (the draw is still taken).
    virtual int32_t Random(int32_t n) = 0;
    // A real in [0, 1).
    virtual double RandomReal() = 0;
    // The whole state of the source, so that a saved game goes on with the
    // same draws; sources that cannot be saved report 0 and ignore a restore.
    virtual uint32_t State() const { return 0; }
    virtual void SetState(uint32_t) {}
};

// The game's generator: state := state * 134775813 + 1 (mod 2^32).
class Lcg32 final : public RandomSource {
public:
    explicit Lcg32(uint32_t seed = 0) : state_(seed) {}
    int32_t Random(int32_t n) override;
    double RandomReal() override;
    uint32_t State() const override { return state_; }
    void SetState(uint32_t state) override { state_ = state; }

private:
    uint32_t Next() {
        state_ = state_ * 134775813u + 1u;
        return state_;
    }
    uint32_t state_;
};

}  // namespace dzwonex
