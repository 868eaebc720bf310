#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Fixtures.h"
#include "Session.h"

namespace dzwonex::testing {

// A text session on the test assets, started as dzwonex-text starts one;
// a start that fails is a test failure.
inline std::unique_ptr<text::Session> StartedSession(const AssetFolder& assets, uint32_t seed, const std::string& user,
                                                     Language language = Language::Polish) {
    text::Options o;
    o.seed = seed;
    o.user = user;
    o.assets = assets.Path().string();
    o.language = language;
    auto session = std::make_unique<text::Session>(o);
    const auto error = session->Start();
    EXPECT_FALSE(error) << *error;
    return session;
}

}  // namespace dzwonex::testing
