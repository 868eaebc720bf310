#pragma once
// Random sources for tests: one that replays chosen answers, one that logs
// the draws another source makes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Random.h"

namespace dzwonex {

// Replays a fixed list of answers and counts the draws; for tests.
class ScriptedRandom final : public RandomSource {
public:
    struct Draw {
        bool real;
        int32_t n;
    };
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
    int32_t Random(int32_t n) override {
        log_.push_back({false, n});
        return inner_.Random(n);
    }
    double RandomReal() override {
        log_.push_back({true, 0});
        return inner_.RandomReal();
    }
    const std::vector<ScriptedRandom::Draw>& Draws() const { return log_; }
    void Clear() { log_.clear(); }

private:
    RandomSource& inner_;
    std::vector<ScriptedRandom::Draw> log_;
};

}  // namespace dzwonex
