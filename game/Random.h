#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

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
};

// The game's generator: state := state * 134775813 + 1 (mod 2^32).
class Lcg32 final : public RandomSource {
public:
    explicit Lcg32(uint32_t seed = 0) : state_(seed) {}
    int32_t Random(int32_t n) override;
    double RandomReal() override;
    uint32_t State() const { return state_; }
    void Seed(uint32_t seed) { state_ = seed; }
    // ((hour * 60 + minute) * 60 + second) * 1000 + millisecond, UTC.
    static uint32_t ClockSeed();

private:
    uint32_t Next() { state_ = state_ * 134775813u + 1u; return state_; }
    uint32_t state_;
};

// Replays a fixed list of answers and counts the draws; for tests.
class ScriptedRandom final : public RandomSource {
public:
    struct Draw { bool real; int32_t n; };
    explicit ScriptedRandom(std::vector<double> answers = {}, double fallback = 0.0)
        : answers_(std::move(answers)), fallback_(fallback) {}
    int32_t Random(int32_t n) override;
    double RandomReal() override;
    const std::vector<Draw>& Draws() const { return draws_; }
    std::size_t Remaining() const { return answers_.size() - next_; }

private:
    double NextAnswer();
    std::vector<double> answers_;
    std::size_t next_ = 0;
    double fallback_;
    std::vector<Draw> draws_;
};

// Passes draws through to another source and logs them; for tests.
class LoggingRandom final : public RandomSource {
public:
    explicit LoggingRandom(RandomSource& inner) : inner_(inner) {}
    int32_t Random(int32_t n) override { log_.push_back({false, n}); return inner_.Random(n); }
    double RandomReal() override { log_.push_back({true, 0}); return inner_.RandomReal(); }
    const std::vector<ScriptedRandom::Draw>& Draws() const { return log_; }
    void Clear() { log_.clear(); }

private:
    RandomSource& inner_;
    std::vector<ScriptedRandom::Draw> log_;
};

}  // namespace dzwonex
