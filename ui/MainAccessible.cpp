// A name and a description for every control, for screen readers.
#include "Main.h"

namespace dzwonex {

namespace {

struct Description {
    const char* object;
    const char* name;
    const char* description;
};

// clang-format off
const Description kDescriptions[] = {
    {"frmMain", "Dzwonex", "Gra ekonomiczna: oddział firmy telekomunikacyjnej"},
    {"pnlTop", "Reklama", "Pasek z reklamą firmy"},
    {"pbBanner", "Reklama", "Reklama firmy; kliknięcie otwiera stronę firmy"},
    {"pnlDown", "Pasek stanu", "Szybkość gry, data i ostatnia zmiana"},
    {"lblSpeed1", "Szybkość gry", "Obecna szybkość gry, od 0 do 10"},
    {"progressSpeed", "Pasek szybkości", "Szybkość gry: kliknij lub użyj strzałek; 0 zatrzymuje czas"},
    {"lblSpeed2", "Data", "Rok, miesiąc i dzień gry"},
    {"lblZmiany", "Ostatnia zmiana", "Co zmieniła ostatnia odpowiedź, kliknięcie mapy lub dzień"},
    {"PageControl", "Strony", "Mapa, Statystyka, Sprawy i Menu; Ctrl+1 do Ctrl+4"},
    {"tabMap", "Mapa", "Mapa miasta z abonentami i legenda"},
    {"pnlLegenda", "Legenda", "Rodzaje abonentów na mapie"},
    {"Label1", "Legenda", "Nagłówek legendy"},
    {"paintboxLegenda", "Ikony legendy", "Ikony sześciu rodzajów abonentów"},
    {"Label2", "Telefon/modem", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"Label3", "ISDN", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"Label4", "SDI", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"Label5", "Neostrada", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"Label6", "Polpak-T", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"Label7", "Budka telefoniczna", "Pozycja legendy; wskaż, by wyróżnić te punkty na mapie"},
    {"legendHover", "Legenda", "Wskazana pozycja wyróżnia swoje punkty na mapie"},
    {"scrollboxMapa", "Mapa miasta", "Przewijana mapa miasta"},
    {"paintboxMapa", "Mapa miasta", "Kliknięcie abonenta pyta o odłączenie, pustego miejsca o budkę telefoniczną"},
    {"tabStat", "Statystyka", "Stan firmy i wykres historii"},
    {"pnlStat", "Stan firmy", "Kasa, opinia, jakość, abonenci i rachunek dnia"},
    {"lblKasa", "Kasa", "Pieniądze firmy w złotych; poniżej zera na czerwono"},
    {"Label23", "Kasa", "Podpis wiersza kasy"},
    {"Label10", "Opinia", "Podpis wiersza opinii"},
    {"lblOpinia", "Opinia", "Opinia publiczna o firmie; im wyższa, tym lepiej"},
    {"Label11", "Jakość", "Podpis wiersza jakości"},
    {"lblJakosc", "Jakość", "Poziom sprzętu; wyższy kosztuje więcej"},
    {"Label8", "Abonenci", "Nagłówek liczby abonentów"},
    {"Label9", "Telefon/modem", "Podpis wiersza"},
    {"Label12", "ISDN", "Podpis wiersza"},
    {"Label13", "SDI", "Podpis wiersza"},
    {"Label14", "Neostrada", "Podpis wiersza"},
    {"Label15", "Polpak-T", "Podpis wiersza"},
    {"Label16", "Budki telefoniczne", "Podpis wiersza"},
    {"lbl1", "Telefon/modem", "Liczba abonentów telefonu lub modemu"},
    {"lbl2", "ISDN", "Liczba abonentów ISDN"},
    {"lbl3", "SDI", "Liczba abonentów SDI"},
    {"lbl4", "Neostrada", "Liczba abonentów Neostrady"},
    {"lbl5", "Polpak-T", "Liczba abonentów Polpak-T"},
    {"lbl6", "Budki telefoniczne", "Liczba budek telefonicznych"},
    {"Label17", "Wydatki", "Nagłówek rachunku dnia"},
    {"Label18", "Pracownicy", "Podpis wiersza"},
    {"lblPracownicy", "Pracownicy", "Dzisiejsze płace, w złotych"},
    {"Label20", "Naprawy", "Podpis wiersza"},
    {"lblNaprawy", "Naprawy", "Dzisiejsze naprawy, w złotych"},
    {"Label22", "Nowy sprzęt", "Podpis wiersza"},
    {"lblSprzet", "Nowy sprzęt", "Dzisiejsze wydatki na sprzęt, w złotych"},
    {"Label24", "Przychody", "Podpis wiersza"},
    {"lblPrzychody", "Przychody", "Dzisiejsze wpływy od abonentów, w złotych"},
    {"Label25", "Razem", "Podpis wiersza: suma wydatków"},
    {"lblWydatki", "Wydatki razem", "Suma dzisiejszych wydatków, w złotych"},
    {"Label26", "Bilans dnia", "Podpis wiersza"},
    {"lblBilans", "Bilans dnia", "Przychody minus wydatki; strata na czerwono"},
    {"chartHistoria", "Historia", "Wykres kasy, opinii, jakości i abonentów od początku gry"},
    {"btnWykresKasa", "Wykres kasy", "Pokazuje historię kasy"},
    {"btnWykresOpinia", "Wykres opinii i jakości", "Pokazuje historię opinii i jakości"},
    {"btnWykresAbonenci", "Wykres abonentów", "Pokazuje historię liczby abonentów każdego rodzaju"},
    {"tabSprawy", "Sprawy", "Skrzynka spraw: pierwsza sprawa i odpowiedzi"},
    {"pnlSprawa", "Sprawa", "Pierwsza sprawa w skrzynce"},
    {"lblTytul", "Tytuł sprawy", "Tytuł pierwszej sprawy"},
    {"memSprawa", "Treść sprawy", "Treść pierwszej sprawy"},
    {"btnYes", "Tak", "Zgoda na sprawę; klawisz T"},
    {"btnOK", "OK", "Przyjęcie wiadomości; klawisz O"},
    {"btnNo", "Nie", "Odmowa; klawisz N"},
    {"tabMenu", "Menu", "Muzyka, głośność, pomoc i zapisane gry"},
    {"pnlMenu", "Menu", "Ustawienia gry"},
    {"Label19", "Menu", "Nagłówek menu"},
    {"chkMuzyka", "Muzyka", "Włącza i wyłącza muzykę"},
    {"Label27", "Głośność muzyki", "Podpis suwaka"},
    {"tbMuzyka", "Głośność muzyki", "Od 0 do 100 procent"},
    {"Label28", "Głośność efektów", "Podpis suwaka"},
    {"tbEfekty", "Głośność efektów", "Od 0 do 100 procent"},
    {"btnPomoc", "Pomoc", "Otwiera pomoc; klawisz F1"},
    {"lblGra", "Gra", "Nagłówek zapisanych gier"},
    {"btnZapisz", "Zapisz grę", "Zapisuje grę do pliku; Ctrl+S"},
    {"btnWczytaj", "Wczytaj grę", "Wczytuje zapisaną grę; Ctrl+O"},
    {"btnNowaGra", "Nowa gra", "Zaczyna od nowa z nową firmą; Ctrl+N"},
    {"btnKontynuuj", "Kontynuuj ostatnią grę", "Wraca do gry przerwanej zamknięciem okna"},
};
// clang-format on

}  // namespace

void TfrmMain::DescribeControls() {
    for (const Description& d : kDescriptions) {
        const QString object = QString::fromLatin1(d.object);
        QWidget* w = object == objectName() ? this : findChild<QWidget*>(object);
        if (!w) continue;  // a test names every control left undescribed
        w->setAccessibleName(QString::fromUtf8(d.name));
        w->setAccessibleDescription(QString::fromUtf8(d.description));
    }
    TButtonTabBar* tabs = PageControl->TabBar();
    tabs->setAccessibleName(QStringLiteral("Strony"));
    tabs->setAccessibleDescription(QStringLiteral("Wybór strony; Ctrl+1 do Ctrl+4, Ctrl+Tab"));
    // The tab bar's own arrows, shown when the window is too narrow.
    for (QWidget* arrow : tabs->findChildren<QWidget*>()) {
        const bool left = arrow->objectName() == QStringLiteral("ScrollLeftButton");
        arrow->setAccessibleName(left ? QString::fromUtf8("Strony w lewo") : QString::fromUtf8("Strony w prawo"));
        arrow->setAccessibleDescription(QString::fromUtf8("Przewija przyciski stron"));
    }
}

}  // namespace dzwonex
