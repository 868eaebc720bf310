#include "Translation.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "HelpText.h"
#include "Letters.h"
#include "TestRandom.h"

namespace dzwonex::testing {

std::vector<std::string> CatalogueTexts(const TextCatalogue& t) {
    std::vector<std::string> all;
    auto add = [&](const char* text) {
        if (text) all.emplace_back(text);
    };
    auto addAll = [&](const auto& pool) {
        for (const char* text : pool) add(text);
    };
    addAll(t.greetings);
    addAll(t.motivations);
    addAll(t.closings);
    addAll(t.companies);
    addAll(t.spyReports);
    addAll(t.insults);
    addAll(t.praises);
    add(t.envelope);
    for (const auto& line : t.lines)
        for (const char* text :
             {line.title, line.plainRequest, line.bribeRequest, line.spyQuestion, line.refusalTitle, line.refusal})
            add(text);
    for (const char* text :
         {t.spyReportTitle, t.raiseTitle,    t.raiseNote,        t.praiseTitle,       t.insultTitle,
          t.qualityUpTitle, t.qualityUpNote, t.qualityDownTitle, t.qualityDownNote,   t.exchangeTitle,
          t.exchangeNote,   t.branchTitle,   t.branchNote,       t.idleExchangeTitle, t.idleExchangeNote,
          t.highCostTitle,  t.highCostNote,  t.disconnectTitle,  t.boothTitle,        t.boothQuestion,
          t.welcomeTitle,   t.welcomeBody,   t.speedLine,        t.dateLine,          t.casesTab})
        add(text);
    addAll(t.disconnectQuestions);
    for (const auto& milestone : t.milestones) {
        add(milestone.name);
        add(milestone.how);
    }
    return all;
}

std::vector<std::string> PeoplesNames() {
    // A person's name is two draws: the first name, then the surname.
    ScriptedRandom probe;
    letters::RandomPersonName(probe);
    std::set<std::string> names;
    for (int first = 0; first < probe.Draws()[0].n; ++first) {
        for (int last = 0; last < probe.Draws()[1].n; ++last) {
            ScriptedRandom rng({static_cast<double>(first), static_cast<double>(last)});
            const std::string name = letters::RandomPersonName(rng);
            const auto space = name.find(' ');
            names.insert(name.substr(0, space));
            names.insert(name.substr(space + 1));
        }
    }
    return {names.begin(), names.end()};
}

namespace {

std::string Lower(std::string word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word;
}

// Words of ASCII letters and the two-byte UTF-8 letters Polish uses
// (lead bytes C3 to C5); every other character parts words.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    const std::string padded = text + " ";
    for (size_t i = 0; i < padded.size(); ++i) {
        const auto c = static_cast<unsigned char>(padded[i]);
        if (std::isalpha(c)) {
            word += padded[i];
        } else if (c >= 0xC3 && c <= 0xC5 && i + 1 < padded.size()) {
            word += padded.substr(i++, 2);
        } else if (!word.empty()) {
            words.push_back(Lower(word));
            word.clear();
        }
    }
    return words;
}

// The words of three letters or more used at least three times in the
// Polish texts and help; names of products and words English shares are
// left out.
const std::set<std::string>& FrequentPolishWords() {
    static const std::set<std::string> frequent = [] {
        std::map<std::string, int> count;
        std::vector<std::string> texts = CatalogueTexts(Texts(Language::Polish));
        texts.emplace_back(GameHelp(Language::Polish));
        for (const std::string& text : texts)
            for (const std::string& word : Words(text))
                if (word.size() >= 3) ++count[word];
        // Names both languages share: the kinds, the keys, the Menu page and
        // the kept games' folder.
        const std::set<std::string> shared = {"sdi",  "isdn",  "neostrada", "polpak", "dzwonex", "was",
                                              "ctrl", "shift", "tab",       "alt",    "menu",    "firmy"};
        std::set<std::string> out;
        for (const auto& [word, n] : count)
            if (n >= 3 && !shared.count(word)) out.insert(word);
        return out;
    }();
    return frequent;
}

}  // namespace

std::string PolishLeftIn(std::string text, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (name.empty()) continue;
        for (auto at = text.find(name); at != std::string::npos; at = text.find(name, at))
            text.replace(at, name.size(), " ");
    }
    static const char* const kPolishLetters[] = {"ą", "ć", "ę", "ł", "ń", "ó", "ś", "ź", "ż",
                                                 "Ą", "Ć", "Ę", "Ł", "Ń", "Ó", "Ś", "Ź", "Ż"};
    for (const char* letter : kPolishLetters)
        if (auto at = text.find(letter); at != std::string::npos)
            return std::string("the letter ") + letter + " in \"" + text.substr(at > 30 ? at - 30 : 0, 60) + "\"";
    for (const std::string& word : Words(text))
        if (FrequentPolishWords().count(word)) return "the Polish word \"" + word + "\"";
    return "";
}

}  // namespace dzwonex::testing
