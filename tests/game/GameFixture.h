#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "Game.h"
#include "RecordingView.h"
#include "TestRandom.h"

namespace dzwonex::testing {

// A game on a 1400 x 1000 map with a recording view and a seeded generator,
// but no new game yet: each test sets up only what it needs.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(uint32_t seed = 12345) {
        auto rng = std::make_unique<Lcg32>(seed);
        lcg = rng.get();
        game = std::make_unique<TGame>(view, std::move(rng));
        game->InitState("/nonexistent/", "Jan Kowalski");
        game->SetMapPictureSize(1400, 1000);
        game->SetBannerStripHeight(200);
    }

    // Fills the lists with exact counts without drawing from the game's generator.
    void SetCounts(std::array<int, 6> counts) {
        Lcg32 side(1);
        for (int k = 1; k <= 6; ++k) {
            auto& list = game->Subscribers(k);
            list.clear();
            for (int i = 0; i < counts[k - 1]; ++i) list.push_back(std::make_shared<TCos>(side, 1400, 1000));
        }
    }

    std::shared_ptr<TCos> PointAt(int kind, int x, int y) {
        Lcg32 side(7);
        auto p = std::make_shared<TCos>(side, 1400, 1000);
        p->X = x;
        p->Y = y;
        game->Subscribers(kind).push_back(p);
        return p;
    }

    RecordingView view;
    Lcg32* lcg = nullptr;
    std::unique_ptr<TGame> game;
};

}  // namespace dzwonex::testing
