// What a person at a terminal sees after each command.
#include <sstream>

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
}  // namespace

std::string Session::Screen() const {
    const RecordingView& v = view_;
    std::ostringstream o;
    o << "\n==== Dzwonex S.A. ====  " << v.Text(Control::lblSpeed2) << "   " << v.Text(Control::lblSpeed1) << "\n";
    o << "Kasa: " << v.Text(Control::lblKasa) << "   Opinia: " << v.Text(Control::lblOpinia)
      << "   Jakość: " << v.Text(Control::lblJakosc) << "\n";
    o << "Abonenci: Telefon/modem " << v.Text(Control::lbl1) << ", ISDN " << v.Text(Control::lbl2) << ", SDI "
      << v.Text(Control::lbl3) << ", Neostrada " << v.Text(Control::lbl4) << ", Polpak-T " << v.Text(Control::lbl5)
      << ", Budki telefoniczne " << v.Text(Control::lbl6) << "\n";
    o << "Wydatki: Pracownicy " << v.Text(Control::lblPracownicy) << ", Naprawy " << v.Text(Control::lblNaprawy)
      << ", Nowy sprzęt " << v.Text(Control::lblSprzet) << "\n";
    o << "---- " << v.Text(Control::tabSprawy) << " ----\n";
    if (game_->Cases().empty()) {
        o << "(brak spraw)\n";
    } else {
        o << "[ " << v.Text(Control::lblTytul) << " ]\n" << Plain(v.Text(Control::memSprawa)) << "\n";
    }
    o << "Odpowiedzi:";
    bool any = false;
    if (v.Enabled(Button::btnYes)) o << " tak", any = true;
    if (v.Enabled(Button::btnNo)) o << " nie", any = true;
    if (v.Enabled(Button::btnOK)) o << " ok", any = true;
    if (!any) o << " (brak)";
    o << "\n> ";
    return o.str();
}

}  // namespace dzwonex::text
