#pragma once
#include <cstdint>
#include <string>

#include "Random.h"

namespace dzwonex::letters {

// Each piece makes exactly one draw per pool it reads (the person's name
// two), so the game's random sequence does not depend on the texts.
std::string RandomGreeting(RandomSource& rng);
std::string RandomMotivation(RandomSource& rng);
std::string RandomPersonName(RandomSource& rng);
std::string RandomClosing(RandomSource& rng);
std::string RandomCompanyName(RandomSource& rng);
std::string RandomSpyReport(RandomSource& rng);
std::string RandomInsult(RandomSource& rng);
std::string RandomPraise(RandomSource& rng);

enum class Opinion { Praise, Insult };

// Templates: every piece is drawn first, then the letter is joined.
std::string ApplicationLetter(RandomSource& rng, const std::string& request);
std::string EnvelopeLetter(RandomSource& rng, const std::string& request, int32_t amount);
std::string InstitutionLetter(RandomSource& rng, const std::string& request);
std::string InstitutionEnvelopeLetter(RandomSource& rng, const std::string& request, int32_t amount);
std::string SpyReportMemo(RandomSource& rng, const std::string& question);
std::string StaffNote(RandomSource& rng, const std::string& sentence);
std::string OpinionLetter(RandomSource& rng, Opinion pool);

}  // namespace dzwonex::letters
