#pragma once
#include <cstdint>
#include <string>

#include "Random.h"
#include "Texts.h"

namespace dzwonex::letters {

// Each piece makes exactly one draw per pool it reads (the person's name
// two), so the game's random sequence does not depend on the texts.
std::string RandomGreeting(const TextCatalogue& t, RandomSource& rng);
std::string RandomMotivation(const TextCatalogue& t, RandomSource& rng);
std::string RandomPersonName(RandomSource& rng);  // the same in every language
std::string RandomClosing(const TextCatalogue& t, RandomSource& rng);
std::string RandomCompanyName(const TextCatalogue& t, RandomSource& rng);
std::string RandomSpyReport(const TextCatalogue& t, RandomSource& rng);
std::string RandomInsult(const TextCatalogue& t, RandomSource& rng);
std::string RandomPraise(const TextCatalogue& t, RandomSource& rng);

enum class Opinion { Praise, Insult };

// Templates: every piece is drawn first, then the letter is joined; the
// catalogue gives the words, the draws are the same in every language.
std::string ApplicationLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request);
std::string EnvelopeLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request, int32_t amount);
std::string InstitutionLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request);
std::string InstitutionEnvelopeLetter(const TextCatalogue& t, RandomSource& rng, const std::string& request,
                                      int32_t amount);
std::string SpyReportMemo(const TextCatalogue& t, RandomSource& rng, const std::string& question);
std::string StaffNote(const TextCatalogue& t, RandomSource& rng, const std::string& sentence);
std::string OpinionLetter(const TextCatalogue& t, RandomSource& rng, Opinion pool);

}  // namespace dzwonex::letters
