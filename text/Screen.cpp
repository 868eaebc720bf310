// What a person at a terminal sees after each command.
#include <sstream>

#include "KindNames.h"
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
};

constexpr ScreenWords kPolish = {"Kasa",       "Opinia",  "Jakość",      "Abonenci",     "Wydatki",
                                 "Pracownicy", "Naprawy", "Nowy sprzęt", "(brak spraw)", "Odpowiedzi",
                                 "tak",        "nie",     "(brak)"};
constexpr ScreenWords kEnglish = {"Cash",  "Opinion", "Quality",       "Subscribers", "Expenses",
                                  "Staff", "Repairs", "New equipment", "(no cases)",  "Answers",
                                  "yes",   "no",      "(none)"};
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
