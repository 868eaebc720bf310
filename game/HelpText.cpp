#include "HelpText.h"

namespace dzwonex {

const char* GameHelp(Language language) {
    (void)language;
    return GameHelp();
}

const char* GameHelp() {
    return "DZWONEX S.A. \xE2\x80\x94 POMOC\n"
           "\n"
           "Prowadzisz lokalny oddział firmy telekomunikacyjnej. Gra nie ma końca: dbaj o kasę,\n"
           "opinię i jakość tak długo, jak chcesz.\n"
           "\n"
           "KASA \xE2\x80\x94 pieniądze firmy. Co dzień abonenci płacą, a firma wydaje na pracowników,\n"
           "naprawy i nowy sprzęt. Naprawy rosną z kwadratem liczby łączy: zbyt duża sieć zjada\n"
           "zysk. Kasa może spaść poniżej zera (na stronie Statystyka jest wtedy czerwona);\n"
           "tam też bilans dnia: przychody minus wydatki.\n"
           "\n"
           "OPINIA \xE2\x80\x94 co miasto myśli o firmie; im wyższa, tym lepiej. Dobra opinia przynosi\n"
           "nowe telefony i podania, zła \xE2\x80\x94 odejścia abonentów i bluzgi.\n"
           "\n"
           "JAKOŚĆ \xE2\x80\x94 poziom sprzętu. Wysoka zatrzymuje abonentów łączy stałych i przyciąga\n"
           "firmy, ale każdy jej punkt to 100 zł dziennie więcej na nowy sprzęt. Wysoka jakość\n"
           "przy słabej opinii ściąga też podania z kopertą.\n"
           "\n"
           "ABONENCI (dziennie od każdego)\n"
           "  Telefon/modem       17\xE2\x80\x93"
           "33 zł; przybywa ich przy dobrej opinii.\n"
           "  ISDN                88\xE2\x80\x93"
           "112 zł; rośnie z opinią, maleje przy wysokiej jakości.\n"
           "  SDI                 150 zł; tylko z podań.\n"
           "  Neostrada           300 zł; z podań, chętniej tam, gdzie jest już SDI.\n"
           "  Polpak-T            2 000 zł; firmy i instytucje, czasem odchodzą same.\n"
           "  Budka telefoniczna  nic nie przynosi, ale kosztuje; postawiona podnosi opinię.\n"
           "\n"
           "SPRAWY\n"
           "  Podanie o SDI, Neostradę, Polpak-T: Tak \xE2\x80\x94 nowy abonent i lepsza opinia;\n"
           "    Nie \xE2\x80\x94 gorsza opinia i list z odmową.\n"
           "  Podanie z kopertą: Tak \xE2\x80\x94 abonent i pieniądze z koperty, opinia różnie.\n"
           "  Odłączenie abonenta (donos): Tak \xE2\x80\x94 odłącza abonenta tego rodzaju, opinia\n"
           "    spada, jakość rośnie.\n"
           "  Odłączenie z mapy: Tak \xE2\x80\x94 abonent znika, opinia spada: najmniej\n"
           "    za telefon, najbardziej za budkę.\n"
           "  Postawienie budki: Tak \xE2\x80\x94 1 000 zł i lepsza opinia.\n"
           "  Podwyżka: Tak nic nie zmienia, Nie psuje opinię.\n"
           "  Jakość łączy, Centrala, Nowy oddział: Tak podnosi jakość (i koszty sprzętu);\n"
           "    Wysokie koszty, Niepotrzebna centrala, Bluzgi o sprzęcie: Tak obniża jakość.\n"
           "  Listy (pozdrowienia, bluzgi, odpowiedzi): tylko OK.\n"
           "\n"
           "MAPA: kliknięcie abonenta pyta o odłączenie, kliknięcie pustego miejsca o budkę.\n"
           "Wskaż punkt, by zobaczyć jego rodzaj; wskaż pozycję legendy, by wyróżnić jej punkty.\n"
           "\n"
           "KLAWISZE\n"
           "  T, N, O (także z Alt)    Tak, Nie, OK na pierwszej sprawie\n"
           "  Enter                    przycisk domyślny (OK albo Tak)\n"
           "  Spacja                   naciska przycisk z fokusem\n"
           "  + i \xE2\x88\x92                    szybkość o jeden stopień\n"
           "  P lub Pause              pauza i powrót do poprzedniej szybkości\n"
           "  strzałki                 szybkość, gdy pasek szybkości ma fokus (Tab)\n"
           "  Ctrl+1 \xE2\x80\xA6 Ctrl+4          Mapa, Statystyka, Sprawy, Menu\n"
           "  Ctrl+Tab                 następna strona\n"
           "  F1                       ta pomoc\n";
}

}  // namespace dzwonex
