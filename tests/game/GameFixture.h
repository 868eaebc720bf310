#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "Company.h"
#include "CompanyBuilder.h"
#include "RecordingView.h"
#include "TestRandom.h"

namespace dzwonex::testing {

// A company on a 1400 x 1000 map with a recording view and a seeded
// generator, but no new game yet: each test builds only what it needs.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(uint32_t seed = 12345)
        : lcg(new Lcg32(seed)),
          game(std::make_unique<Company>(view, std::unique_ptr<RandomSource>(lcg))),
          build(*game) {
        game->Reset("Jan Kowalski");
        game->SetMapPictureSize(1400, 1000);
        game->SetBannerStripHeight(200);
    }

    RecordingView view;
    Lcg32* lcg;  // owned by the game
    std::unique_ptr<Company> game;
    CompanyBuilder build;
};

}  // namespace dzwonex::testing
