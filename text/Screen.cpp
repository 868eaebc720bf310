// What a person at a terminal sees after each command.
#include <sstream>

#include <utility>
#include <vector>

#include "KindNames.h"
#include "Leaving.h"
#include "Printable.h"
#include "Session.h"

namespace dzwonex::text {

namespace {
std::string Plain(std::string s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s)
        if (c != '\r') out += c;
    return out;
}

// The screen's own words.
struct ScreenWords {
    const char *cash, *opinion, *quality;
    const char* subscribers;
    const char *expenses, *staff, *repairs, *equipment;
    const char *noCases, *answers, *yes, *no, *none;
    // Who the daily rules drive away, and on what.
    const char *leaving, *opinionAlone, *opinionLessQuality, *opinionPlusQuality, *two;
};

constexpr ScreenWords kPolish = {
    "Kasa",        "Opinia",          "Jakość",          "Abonenci", "Wydatki", "Pracownicy", "Naprawy",
    "Nowy sprzęt", "(brak spraw)",    "Odpowiedzi",      "tak",      "nie",     "(brak)",     "Odchodzą",
    "opinia",      "opinia − jakość", "opinia + jakość", " i "};
constexpr ScreenWords kEnglish = {
    "Cash",          "Opinion",           "Quality",           "Subscribers", "Expenses", "Staff",  "Repairs",
    "New equipment", "(no cases)",        "Answers",           "yes",         "no",       "(none)", "Leaving",
    "opinion",       "opinion − quality", "opinion + quality", " and "};

// "Odchodzą: ISDN (opinia − jakość < 10), SDI i Neostrada (opinia + jakość < 5)",
// the kinds of one reason together; empty when nobody leaves.
std::string LeavingLine(const std::vector<KindLeaving>& leaving, const ScreenWords& w, Language language) {
    std::vector<std::pair<std::string, std::vector<std::string>>> reasons;
    for (const KindLeaving& kind : leaving) {
        const char* figure = kind.measure == LeavingMeasure::Opinion              ? w.opinionAlone
                             : kind.measure == LeavingMeasure::OpinionLessQuality ? w.opinionLessQuality
                                                                                  : w.opinionPlusQuality;
        const std::string reason = std::string(figure) + " < " + std::to_string(kind.below);
        if (reasons.empty() || reasons.back().first != reason) reasons.push_back({reason, {}});
        reasons.back().second.push_back(SubscriberKindName(kind.kind, KindNameForm::Short, language));
    }
    if (reasons.empty()) return {};
    std::string line = std::string(w.leaving) + ":";
    for (size_t i = 0; i < reasons.size(); ++i) {
        const auto& [reason, kinds] = reasons[i];
        line += (i > 0 ? ", " : " ") + kinds.front();
        for (size_t k = 1; k < kinds.size(); ++k) line += (k + 1 == kinds.size() ? w.two : ", ") + kinds[k];
        line += " (" + reason + ")";
    }
    return line;
}
}  // namespace

std::string Session::Screen() const {
    const RecordingView& v = view_;
    const ScreenWords& w = options_.language == Language::English ? kEnglish : kPolish;
    std::ostringstream o;
    o << "\n==== Dzwonex S.A. ====  " << v.Text(Control::lblSpeed2) << "   " << v.Text(Control::lblSpeed1) << "\n";
    o << w.cash << ": " << v.Text(Control::lblKasa) << "   " << w.opinion << ": " << v.Text(Control::lblOpinia) << "   "
      << w.quality << ": " << v.Text(Control::lblJakosc) << "\n";
    o << w.subscribers << ":";
    static constexpr Control kCounts[kKindCount] = {Control::lbl1, Control::lbl2, Control::lbl3,
                                                    Control::lbl4, Control::lbl5, Control::lbl6};
    for (int k = 1; k <= kKindCount; ++k)
        o << (k > 1 ? ", " : " ") << SubscriberKindName(k, KindNameForm::Plural, options_.language) << " "
          << v.Text(kCounts[k - 1]);
    o << "\n";
    if (const std::string line = LeavingLine(KindsLeaving(session_.Game()), w, options_.language); !line.empty())
        o << line << "\n";
    o << w.expenses << ": " << w.staff << " " << v.Text(Control::lblPracownicy) << ", " << w.repairs << " "
      << v.Text(Control::lblNaprawy) << ", " << w.equipment << " " << v.Text(Control::lblSprzet) << "\n";
    o << "---- " << v.Text(Control::tabSprawy) << " ----\n";
    if (session_.Game().Cases().empty()) {
        o << w.noCases << "\n";
    } else {
        o << "[ " << v.Text(Control::lblTytul) << " ]\n" << Plain(v.Text(Control::memSprawa)) << "\n";
    }
    o << w.answers << ":";
    bool any = false;
    if (v.Enabled(Button::btnYes)) o << " " << w.yes, any = true;
    if (v.Enabled(Button::btnNo)) o << " " << w.no, any = true;
    if (v.Enabled(Button::btnOK)) o << " ok", any = true;
    if (!any) o << " " << w.none;
    o << "\n> ";
    // A saved game's texts reach the terminal as text, never as its commands.
    return Printable(o.str());
}

}  // namespace dzwonex::text
