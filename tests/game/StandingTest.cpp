// The bands beside opinion and quality: each edge falls where the shown
// (rounded) figure crosses it.
#include <gtest/gtest.h>

#include "Standing.h"

namespace dzwonex::testing {
namespace {

TEST(Standing, EachBandEndsAtItsShownEdge) {
    const std::pair<double, OpinionBand> opinions[] = {
        {-1e9, OpinionBand::Poor}, {-1, OpinionBand::Poor},   {-0.6, OpinionBand::Poor}, {-0.4, OpinionBand::Average},
        {0, OpinionBand::Average}, {4, OpinionBand::Average}, {4.6, OpinionBand::Good},  {5, OpinionBand::Good},
        {20, OpinionBand::Good},   {20.4, OpinionBand::Good}, {20.6, OpinionBand::High}, {21, OpinionBand::High},
    };
    for (const auto& [opinion, band] : opinions) EXPECT_EQ(BandOfOpinion(opinion), band) << opinion;
    const std::pair<double, QualityBand> qualities[] = {
        {-21, QualityBand::Worn},  {-20.6, QualityBand::Worn},  {-20.4, QualityBand::Low}, {-20, QualityBand::Low},
        {-1, QualityBand::Low},    {-0.4, QualityBand::Good},   {0, QualityBand::Good},    {50, QualityBand::Good},
        {50.4, QualityBand::Good}, {50.6, QualityBand::Costly}, {51, QualityBand::Costly}, {1e9, QualityBand::Costly},
    };
    for (const auto& [quality, band] : qualities) EXPECT_EQ(BandOfQuality(quality), band) << quality;
}

}  // namespace
}  // namespace dzwonex::testing
