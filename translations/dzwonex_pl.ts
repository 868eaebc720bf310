<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="pl">
<context>
    <name>dzwonex::BannerBar</name>
    <message>
        <source>Reklama</source>
        <translation>Reklama</translation>
    </message>
    <message>
        <source>Pasek z reklamą firmy</source>
        <translation>Pasek z reklamą firmy</translation>
    </message>
    <message>
        <source>Reklama firmy; kliknięcie otwiera stronę firmy</source>
        <translation>Reklama firmy; kliknięcie otwiera stronę firmy</translation>
    </message>
</context>
<context>
    <name>dzwonex::CasesPage</name>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Sprawy</source>
        <translation>Sprawy</translation>
    </message>
    <message>
        <source>Skrzynka spraw: pierwsza sprawa i odpowiedzi</source>
        <translation>Skrzynka spraw: pierwsza sprawa i odpowiedzi</translation>
    </message>
    <message>
        <source>Sprawa</source>
        <translation>Sprawa</translation>
    </message>
    <message>
        <source>Pierwsza sprawa w skrzynce</source>
        <translation>Pierwsza sprawa w skrzynce</translation>
    </message>
    <message>
        <source>Tytuł sprawy</source>
        <translation>Tytuł sprawy</translation>
    </message>
    <message>
        <source>Tytuł pierwszej sprawy</source>
        <translation>Tytuł pierwszej sprawy</translation>
    </message>
    <message>
        <source>Treść sprawy</source>
        <translation>Treść sprawy</translation>
    </message>
    <message>
        <source>Treść pierwszej sprawy</source>
        <translation>Treść pierwszej sprawy</translation>
    </message>
    <message>
        <source>Zgoda na sprawę; klawisz T</source>
        <translation>Zgoda na sprawę; klawisz T</translation>
    </message>
    <message>
        <source>Przyjęcie wiadomości; klawisz O</source>
        <translation>Przyjęcie wiadomości; klawisz O</translation>
    </message>
    <message>
        <source>Odmowa; klawisz N</source>
        <translation>Odmowa; klawisz N</translation>
    </message>
    <message>
        <source>Ostatnie zmiany</source>
        <translation>Ostatnie zmiany</translation>
    </message>
    <message>
        <source>Nagłówek listy zmian</source>
        <translation>Nagłówek listy zmian</translation>
    </message>
    <message>
        <source>Co zmieniły ostatnie odpowiedzi i dni, najnowsze na górze</source>
        <translation>Co zmieniły ostatnie odpowiedzi i dni, najnowsze na górze</translation>
    </message>
</context>
<context>
    <name>dzwonex::Changes</name>
    <message>
        <source>Telefon/modem</source>
        <translation>Telefon/modem</translation>
    </message>
    <message>
        <source>Budki</source>
        <translation>Budki</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinia</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Sprawy</source>
        <translation>Sprawy</translation>
    </message>
    <message>
        <source>Opinia w dół</source>
        <translation>Opinia w dół</translation>
    </message>
    <message>
        <source>Opinia w górę</source>
        <translation>Opinia w górę</translation>
    </message>
    <message>
        <source>Po Tak: %1</source>
        <translation>Po Tak: %1</translation>
    </message>
    <message>
        <source>Bez zmian</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Dzień</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dzwonex::CompanyKeeper</name>
    <message>
        <source>Nie można utworzyć folderu %1 na zachowane gry.</source>
        <translation>Nie można utworzyć folderu %1 na zachowane gry.</translation>
    </message>
</context>
<context>
    <name>dzwonex::Dialogs</name>
    <message>
        <source>Gra Dzwonex (*.dzwonex)</source>
        <translation>Gra Dzwonex (*.dzwonex)</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Zapisz grę</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Wczytaj grę</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Zachowane gry</source>
        <translation>Zachowane gry</translation>
    </message>
    <message>
        <source>Gry ostatnio grane, najnowsza na górze</source>
        <translation>Gry ostatnio grane, najnowsza na górze</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Kontynuuj</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dzwonex::GameController</name>
    <message>
        <source>Za mało pamięci, by zacząć grę.</source>
        <translation>Za mało pamięci, by zacząć grę.</translation>
    </message>
    <message>
        <source>Ostatnia gra: %1 — Ctrl+K</source>
        <translation>Ostatnia gra: %1 — Ctrl+K</translation>
    </message>
    <message>
        <source>rok %1, %2</source>
        <translation>rok %1, %2</translation>
    </message>
    <message>
        <source>Zapisano: %1</source>
        <translation>Zapisano: %1</translation>
    </message>
    <message>
        <source>Zacząć nową grę? Obecna gra zostanie zachowana: wrócisz do niej przyciskiem „Kontynuuj”.</source>
        <translation>Zacząć nową grę? Obecna gra zostanie zachowana: wrócisz do niej przyciskiem „Kontynuuj”.</translation>
    </message>
    <message>
        <source>%1 · grana %2</source>
        <translation>%1 · grana %2</translation>
    </message>
    <message>
        <source>nie do odczytania</source>
        <translation>nie do odczytania</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sprawy „%1”: %2. Odpowiedzieć „%3” na wszystkie?</source>
        <translation>Sprawy „%1”: %2. Odpowiedzieć „%3” na wszystkie?</translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Osiągnięcie: %1</source>
        <translation>Osiągnięcie: %1</translation>
    </message>
</context>
<context>
    <name>dzwonex::MapPage</name>
    <message>
        <source>Legenda</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Telefon/modem</source>
        <translation>Telefon/modem</translation>
    </message>
    <message>
        <source>Budka telefoniczna</source>
        <translation>Budka telefoniczna</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Mapa miasta z abonentami i legenda</source>
        <translation>Mapa miasta z abonentami i legenda</translation>
    </message>
    <message>
        <source>Rodzaje abonentów na mapie</source>
        <translation>Rodzaje abonentów na mapie</translation>
    </message>
    <message>
        <source>Nagłówek legendy</source>
        <translation>Nagłówek legendy</translation>
    </message>
    <message>
        <source>Ikony legendy</source>
        <translation>Ikony legendy</translation>
    </message>
    <message>
        <source>Ikony sześciu rodzajów abonentów</source>
        <translation>Ikony sześciu rodzajów abonentów</translation>
    </message>
    <message>
        <source>Pozycja legendy; wskaż, by wyróżnić te punkty na mapie</source>
        <translation>Pozycja legendy; wskaż, by wyróżnić te punkty na mapie</translation>
    </message>
    <message>
        <source>Wskazana pozycja wyróżnia swoje punkty na mapie</source>
        <translation>Wskazana pozycja wyróżnia swoje punkty na mapie</translation>
    </message>
    <message>
        <source>Mapa miasta</source>
        <translation>Mapa miasta</translation>
    </message>
    <message>
        <source>Przewijana mapa miasta</source>
        <translation>Przewijana mapa miasta</translation>
    </message>
    <message>
        <source>Kliknięcie abonenta pyta o odłączenie, pustego miejsca o budkę telefoniczną</source>
        <translation>Kliknięcie abonenta pyta o odłączenie, pustego miejsca o budkę telefoniczną</translation>
    </message>
</context>
<context>
    <name>dzwonex::MenuPage</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Muzyka</source>
        <translation>Muzyka</translation>
    </message>
    <message>
        <source>Głośność muzyki</source>
        <translation>Głośność muzyki</translation>
    </message>
    <message>
        <source>Głośność efektów</source>
        <translation>Głośność efektów</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Gra</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>Zapisz grę…</source>
        <translation>Zapisz grę…</translation>
    </message>
    <message>
        <source>Wczytaj grę…</source>
        <translation>Wczytaj grę…</translation>
    </message>
    <message>
        <source>Nowa gra</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Kontynuuj ostatnią grę</source>
        <translation>Kontynuuj ostatnią grę</translation>
    </message>
    <message>
        <source>Muzyka, głośność, język, pomoc i zapisane gry</source>
        <translation>Muzyka, głośność, język, pomoc i zapisane gry</translation>
    </message>
    <message>
        <source>Ustawienia gry</source>
        <translation>Ustawienia gry</translation>
    </message>
    <message>
        <source>Nagłówek menu</source>
        <translation>Nagłówek menu</translation>
    </message>
    <message>
        <source>Włącza i wyłącza muzykę</source>
        <translation>Włącza i wyłącza muzykę</translation>
    </message>
    <message>
        <source>Podpis suwaka</source>
        <translation>Podpis suwaka</translation>
    </message>
    <message>
        <source>Od 0 do 100 procent</source>
        <translation>Od 0 do 100 procent</translation>
    </message>
    <message>
        <source>Podpis listy języków</source>
        <translation>Podpis listy języków</translation>
    </message>
    <message>
        <source>Język gry: polski albo angielski</source>
        <translation>Język gry: polski albo angielski</translation>
    </message>
    <message>
        <source>Otwiera pomoc; klawisz F1</source>
        <translation>Otwiera pomoc; klawisz F1</translation>
    </message>
    <message>
        <source>Nagłówek zapisanych gier</source>
        <translation>Nagłówek zapisanych gier</translation>
    </message>
    <message>
        <source>Zapisz grę</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Zapisuje grę do pliku; Ctrl+S</source>
        <translation>Zapisuje grę do pliku; Ctrl+S</translation>
    </message>
    <message>
        <source>Wczytaj grę</source>
        <translation>Wczytaj grę</translation>
    </message>
    <message>
        <source>Wczytuje zapisaną grę; Ctrl+O</source>
        <translation>Wczytuje zapisaną grę; Ctrl+O</translation>
    </message>
    <message>
        <source>Zaczyna od nowa z nową firmą; Ctrl+N</source>
        <translation>Zaczyna od nowa z nową firmą; Ctrl+N</translation>
    </message>
    <message>
        <source>Zachowane gry…</source>
        <translation>Zachowane gry…</translation>
    </message>
    <message>
        <source>Zaczynaj od ostatniej gry</source>
        <translation>Zaczynaj od ostatniej gry</translation>
    </message>
    <message>
        <source>Wraca do ostatnio granej firmy; Ctrl+K</source>
        <translation>Wraca do ostatnio granej firmy; Ctrl+K</translation>
    </message>
    <message>
        <source>Zachowane gry</source>
        <translation>Zachowane gry</translation>
    </message>
    <message>
        <source>Lista ostatnio granych firm, do wyboru</source>
        <translation>Lista ostatnio granych firm, do wyboru</translation>
    </message>
    <message>
        <source>Po uruchomieniu gra wraca do ostatnio granej firmy</source>
        <translation>Po uruchomieniu gra wraca do ostatnio granej firmy</translation>
    </message>
    <message>
        <source>Osiągnięcia…</source>
        <translation>Osiągnięcia…</translation>
    </message>
    <message>
        <source>Osiągnięcia</source>
        <translation>Osiągnięcia</translation>
    </message>
    <message>
        <source>Osiągnięcia z datą zdobycia i najlepsi dyrektorzy</source>
        <translation>Osiągnięcia z datą zdobycia i najlepsi dyrektorzy</translation>
    </message>
</context>
<context>
    <name>dzwonex::PlayerFile</name>
    <message>
        <source>Nie można odczytać pliku %1 (%2); gra toczy się dalej bez niego.</source>
        <translation>Nie można odczytać pliku %1 (%2); gra toczy się dalej bez niego.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony (%2) i nie dało się go odłożyć; gra toczy się dalej bez niego.</source>
        <translation>Plik %1 jest uszkodzony (%2) i nie dało się go odłożyć; gra toczy się dalej bez niego.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony (%2). Odłożono go jako %3 i zaczęto nowy.</source>
        <translation>Plik %1 jest uszkodzony (%2). Odłożono go jako %3 i zaczęto nowy.</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu %1 na plik %2.</source>
        <translation>Nie można utworzyć folderu %1 na plik %2.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1 (%2).</source>
        <translation>Nie można zapisać pliku %1 (%2).</translation>
    </message>
</context>
<context>
    <name>dzwonex::StatisticsPage</name>
    <message>
        <source>Podpis wiersza</source>
        <translation>Podpis wiersza</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinia</translation>
    </message>
    <message>
        <source>Podpis wiersza opinii</source>
        <translation>Podpis wiersza opinii</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Podpis wiersza jakości</source>
        <translation>Podpis wiersza jakości</translation>
    </message>
    <message>
        <source>Abonenci</source>
        <translation>Abonenci</translation>
    </message>
    <message>
        <source>Nagłówek liczby abonentów</source>
        <translation>Nagłówek liczby abonentów</translation>
    </message>
    <message>
        <source>Telefon/modem</source>
        <translation>Telefon/modem</translation>
    </message>
    <message>
        <source>Budki telefoniczne</source>
        <translation>Budki telefoniczne</translation>
    </message>
    <message>
        <source>Wydatki</source>
        <translation>Wydatki</translation>
    </message>
    <message>
        <source>Nagłówek rachunku dnia</source>
        <translation>Nagłówek rachunku dnia</translation>
    </message>
    <message>
        <source>Pracownicy</source>
        <translation>Pracownicy</translation>
    </message>
    <message>
        <source>Naprawy</source>
        <translation>Naprawy</translation>
    </message>
    <message>
        <source>Nowy sprzęt</source>
        <translation>Nowy sprzęt</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Podpis wiersza kasy</source>
        <translation>Podpis wiersza kasy</translation>
    </message>
    <message>
        <source>Przychody</source>
        <translation>Przychody</translation>
    </message>
    <message>
        <source>Razem</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>Podpis wiersza: suma wydatków</source>
        <translation>Podpis wiersza: suma wydatków</translation>
    </message>
    <message>
        <source>Bilans dnia</source>
        <translation>Bilans dnia</translation>
    </message>
    <message>
        <source>Historia</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Wykres kasy, opinii, jakości i abonentów od początku gry</source>
        <translation>Wykres kasy, opinii, jakości i abonentów od początku gry</translation>
    </message>
    <message>
        <source>Statystyka</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Stan firmy i wykres historii</source>
        <translation>Stan firmy i wykres historii</translation>
    </message>
    <message>
        <source>Stan firmy</source>
        <translation>Stan firmy</translation>
    </message>
    <message>
        <source>Kasa, opinia, jakość, abonenci i rachunek dnia</source>
        <translation>Kasa, opinia, jakość, abonenci i rachunek dnia</translation>
    </message>
    <message>
        <source>Pieniądze firmy w złotych; poniżej zera na czerwono</source>
        <translation>Pieniądze firmy w złotych; poniżej zera na czerwono</translation>
    </message>
    <message>
        <source>Liczba abonentów telefonu lub modemu</source>
        <translation>Liczba abonentów telefonu lub modemu</translation>
    </message>
    <message>
        <source>Liczba abonentów ISDN</source>
        <translation>Liczba abonentów ISDN</translation>
    </message>
    <message>
        <source>Liczba abonentów SDI</source>
        <translation>Liczba abonentów SDI</translation>
    </message>
    <message>
        <source>Liczba abonentów Neostrady</source>
        <translation>Liczba abonentów Neostrady</translation>
    </message>
    <message>
        <source>Liczba abonentów Polpak-T</source>
        <translation>Liczba abonentów Polpak-T</translation>
    </message>
    <message>
        <source>Liczba budek telefonicznych</source>
        <translation>Liczba budek telefonicznych</translation>
    </message>
    <message>
        <source>Dzisiejsze płace, w złotych</source>
        <translation>Dzisiejsze płace, w złotych</translation>
    </message>
    <message>
        <source>Dzisiejsze naprawy, w złotych</source>
        <translation>Dzisiejsze naprawy, w złotych</translation>
    </message>
    <message>
        <source>Dzisiejsze wydatki na sprzęt, w złotych</source>
        <translation>Dzisiejsze wydatki na sprzęt, w złotych</translation>
    </message>
    <message>
        <source>Dzisiejsze wpływy od abonentów, w złotych</source>
        <translation>Dzisiejsze wpływy od abonentów, w złotych</translation>
    </message>
    <message>
        <source>Wydatki razem</source>
        <translation>Wydatki razem</translation>
    </message>
    <message>
        <source>Suma dzisiejszych wydatków, w złotych</source>
        <translation>Suma dzisiejszych wydatków, w złotych</translation>
    </message>
    <message>
        <source>Przychody minus wydatki; strata na czerwono</source>
        <translation>Przychody minus wydatki; strata na czerwono</translation>
    </message>
    <message>
        <source>zła</source>
        <translation>zła</translation>
    </message>
    <message>
        <source>przeciętna</source>
        <translation>przeciętna</translation>
    </message>
    <message>
        <source>dobra</source>
        <translation>dobra</translation>
    </message>
    <message>
        <source>wysoka</source>
        <translation>wysoka</translation>
    </message>
    <message>
        <source>Telefonów ubywa, przychodzą bluzgi i podania z kopertą</source>
        <translation>Telefonów ubywa, przychodzą bluzgi i podania z kopertą</translation>
    </message>
    <message>
        <source>Sieć prawie stoi w miejscu</source>
        <translation>Sieć prawie stoi w miejscu</translation>
    </message>
    <message>
        <source>Kilka nowych telefonów w tygodniu, ISDN bez zmian</source>
        <translation>Kilka nowych telefonów w tygodniu, ISDN bez zmian</translation>
    </message>
    <message>
        <source>Co dzień dwa nowe telefony i więcej, a naprawy rosną z kwadratem liczby łączy</source>
        <translation>Co dzień dwa nowe telefony i więcej, a naprawy rosną z kwadratem liczby łączy</translation>
    </message>
    <message>
        <source>niska</source>
        <translation>niska</translation>
    </message>
    <message>
        <source>kosztowna</source>
        <translation>kosztowna</translation>
    </message>
    <message>
        <source>Abonenci SDI i Neostrady odchodzą</source>
        <translation>Abonenci SDI i Neostrady odchodzą</translation>
    </message>
    <message>
        <source>Tańszy sprzęt, mniej podań o Polpak-T</source>
        <translation>Tańszy sprzęt, mniej podań o Polpak-T</translation>
    </message>
    <message>
        <source>Sprzęt w porządku</source>
        <translation>Sprzęt w porządku</translation>
    </message>
    <message>
        <source>Każdy punkt to 100 zł dziennie na sprzęt, a abonenci ISDN odchodzą</source>
        <translation>Każdy punkt to 100 zł dziennie na sprzęt, a abonenci ISDN odchodzą</translation>
    </message>
    <message>
        <source>Zmiana w ciągu %1 dni: %2</source>
        <translation>Zmiana w ciągu %1 dni: %2</translation>
    </message>
    <message>
        <source>Opinia publiczna o firmie</source>
        <translation>Opinia publiczna o firmie</translation>
    </message>
    <message>
        <source>Poziom sprzętu; każdy punkt to 100 zł dziennie na sprzęt</source>
        <translation>Poziom sprzętu; każdy punkt to 100 zł dziennie na sprzęt</translation>
    </message>
    <message>
        <source>Ocena opinii</source>
        <translation>Ocena opinii</translation>
    </message>
    <message>
        <source>Zła, przeciętna, dobra albo wysoka: co opinia przynosi</source>
        <translation>Zła, przeciętna, dobra albo wysoka: co opinia przynosi</translation>
    </message>
    <message>
        <source>Kierunek opinii</source>
        <translation>Kierunek opinii</translation>
    </message>
    <message>
        <source>Strzałka: jak opinia zmieniła się w ciągu 30 dni</source>
        <translation>Strzałka: jak opinia zmieniła się w ciągu 30 dni</translation>
    </message>
    <message>
        <source>Ocena jakości</source>
        <translation>Ocena jakości</translation>
    </message>
    <message>
        <source>Zła, niska, dobra albo kosztowna: co jakość przynosi</source>
        <translation>Zła, niska, dobra albo kosztowna: co jakość przynosi</translation>
    </message>
    <message>
        <source>Kierunek jakości</source>
        <translation>Kierunek jakości</translation>
    </message>
    <message>
        <source>Strzałka: jak jakość zmieniła się w ciągu 30 dni</source>
        <translation>Strzałka: jak jakość zmieniła się w ciągu 30 dni</translation>
    </message>
</context>
<context>
    <name>dzwonex::StatusBar</name>
    <message>
        <source>Pasek stanu</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Szybkość gry, data i ostatnia zmiana</source>
        <translation>Szybkość gry, data i ostatnia zmiana</translation>
    </message>
    <message>
        <source>Szybkość gry</source>
        <translation>Szybkość gry</translation>
    </message>
    <message>
        <source>Obecna szybkość gry, od 0 do 10</source>
        <translation>Obecna szybkość gry, od 0 do 10</translation>
    </message>
    <message>
        <source>Pasek szybkości</source>
        <translation>Pasek szybkości</translation>
    </message>
    <message>
        <source>Szybkość gry: kliknij lub użyj strzałek; 0 zatrzymuje czas</source>
        <translation>Szybkość gry: kliknij lub użyj strzałek; 0 zatrzymuje czas</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rok, miesiąc i dzień gry</source>
        <translation>Rok, miesiąc i dzień gry</translation>
    </message>
    <message>
        <source>Ostatnia zmiana</source>
        <translation>Ostatnia zmiana</translation>
    </message>
    <message>
        <source>Co zmieniła ostatnia odpowiedź, kliknięcie mapy lub dzień</source>
        <translation>Co zmieniła ostatnia odpowiedź, kliknięcie mapy lub dzień</translation>
    </message>
    <message>
        <source>F1 — Pomoc</source>
        <translation>F1 — Pomoc</translation>
    </message>
    <message>
        <source>Szybkość gry, od 0 (czas stoi) do 10 (dzień co 2 s): kliknij, + i -, P to pauza</source>
        <translation>Szybkość gry, od 0 (czas stoi) do 10 (dzień co 2 s): kliknij, + i -, P to pauza</translation>
    </message>
</context>
<context>
    <name>dzwonex::TAchievementsDialog</name>
    <message>
        <source>Osiągnięcia</source>
        <translation>Osiągnięcia</translation>
    </message>
    <message>
        <source>Osiągnięcia i najlepsi dyrektorzy</source>
        <translation>Osiągnięcia i najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Osiągnięcia i rekordy</source>
        <translation>Osiągnięcia i rekordy</translation>
    </message>
    <message>
        <source>Dwie karty: osiągnięcia i najlepsi dyrektorzy</source>
        <translation>Dwie karty: osiągnięcia i najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Lista osiągnięć z datą zdobycia</source>
        <translation>Lista osiągnięć z datą zdobycia</translation>
    </message>
    <message>
        <source>Dziesięć najlepszych kadencji każdej długości</source>
        <translation>Dziesięć najlepszych kadencji każdej długości</translation>
    </message>
    <message>
        <source>Zdobyte: %1 z %2</source>
        <translation>Zdobyte: %1 z %2</translation>
    </message>
    <message>
        <source>Liczba osiągnięć</source>
        <translation>Liczba osiągnięć</translation>
    </message>
    <message>
        <source>Osiągnięcie</source>
        <translation>Osiągnięcie</translation>
    </message>
    <message>
        <source>Jak je zdobyć</source>
        <translation>Jak je zdobyć</translation>
    </message>
    <message>
        <source>Zdobyte</source>
        <translation>Zdobyte</translation>
    </message>
    <message>
        <source>Każde osiągnięcie, jak je zdobyć i data pierwszego zdobycia; niezdobyte bez daty</source>
        <translation>Każde osiągnięcie, jak je zdobyć i data pierwszego zdobycia; niezdobyte bez daty</translation>
    </message>
    <message>
        <source>Kadencja:</source>
        <translation>Kadencja:</translation>
    </message>
    <message>
        <source>Kadencja</source>
        <translation>Kadencja</translation>
    </message>
    <message>
        <source>Podpis listy długości kadencji</source>
        <translation>Podpis listy długości kadencji</translation>
    </message>
    <message>
        <source>Długość kadencji</source>
        <translation>Długość kadencji</translation>
    </message>
    <message>
        <source>Tabela której długości kadencji</source>
        <translation>Tabela której długości kadencji</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Zamyka okno osiągnięć</source>
        <translation>Zamyka okno osiągnięć</translation>
    </message>
</context>
<context>
    <name>dzwonex::THelpDialog</name>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Krótka pomoc do gry</source>
        <translation>Krótka pomoc do gry</translation>
    </message>
    <message>
        <source>Opis gry i klawiszy</source>
        <translation>Opis gry i klawiszy</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Zamyka pomoc</source>
        <translation>Zamyka pomoc</translation>
    </message>
    <message>
        <source>Dzwonex — Pomoc</source>
        <translation>Dzwonex — Pomoc</translation>
    </message>
</context>
<context>
    <name>dzwonex::THistoryChart</name>
    <message>
        <source>Telefon/modem</source>
        <translation>Telefon/modem</translation>
    </message>
    <message>
        <source>Budki</source>
        <translation>Budki</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Kasa</translation>
    </message>
    <message>
        <source>Opinia i jakość</source>
        <translation>Opinia i jakość</translation>
    </message>
    <message>
        <source>Abonenci</source>
        <translation>Abonenci</translation>
    </message>
    <message>
        <source>Wykres kasy</source>
        <translation>Wykres kasy</translation>
    </message>
    <message>
        <source>Wykres opinii i jakości</source>
        <translation>Wykres opinii i jakości</translation>
    </message>
    <message>
        <source>Wykres abonentów</source>
        <translation>Wykres abonentów</translation>
    </message>
    <message>
        <source>Kasa od początku gry, rok po roku</source>
        <translation>Kasa od początku gry, rok po roku</translation>
    </message>
    <message>
        <source>Opinia i jakość od początku gry, rok po roku</source>
        <translation>Opinia i jakość od początku gry, rok po roku</translation>
    </message>
    <message>
        <source>Abonenci każdego rodzaju od początku gry, rok po roku</source>
        <translation>Abonenci każdego rodzaju od początku gry, rok po roku</translation>
    </message>
    <message>
        <source>mln zł</source>
        <translation>mln zł</translation>
    </message>
    <message>
        <source>tys. zł</source>
        <translation>tys. zł</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Rok</translation>
    </message>
    <message>
        <source>poniżej zera</source>
        <translation>poniżej zera</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinia</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>telefony i ISDN</source>
        <translation>telefony i ISDN</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>pozostałe</translation>
    </message>
    <message>
        <source>Pokazuje historię kasy</source>
        <translation>Pokazuje historię kasy</translation>
    </message>
    <message>
        <source>Pokazuje historię opinii i jakości</source>
        <translation>Pokazuje historię opinii i jakości</translation>
    </message>
    <message>
        <source>Pokazuje historię liczby abonentów każdego rodzaju</source>
        <translation>Pokazuje historię liczby abonentów każdego rodzaju</translation>
    </message>
    <message>
        <source>Miesiąc</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>rok %1</source>
        <extracomment>A year&apos;s first month among the months of the x axis.</extracomment>
        <translation>rok %1</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Wykres oceny firmy</source>
        <translation>Wykres oceny firmy</translation>
    </message>
    <message>
        <source>Ocena firmy i jej części od początku gry, rok po roku</source>
        <translation>Ocena firmy i jej części od początku gry, rok po roku</translation>
    </message>
    <message>
        <source>Części</source>
        <translation>Części</translation>
    </message>
    <message>
        <source>Pokazuje historię oceny firmy i jej części</source>
        <translation>Pokazuje historię oceny firmy i jej części</translation>
    </message>
</context>
<context>
    <name>dzwonex::TMapHints</name>
    <message>
        <source>Telefon/modem</source>
        <translation>Telefon/modem</translation>
    </message>
    <message>
        <source>Budka telefoniczna</source>
        <translation>Budka telefoniczna</translation>
    </message>
</context>
<context>
    <name>dzwonex::TRatingBox</name>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Ocena firmy</source>
        <translation>Ocena firmy</translation>
    </message>
    <message>
        <source>%1 z %2 punktów</source>
        <translation>%1 z %2 punktów</translation>
    </message>
    <message>
        <source>Kadencja: rok %1 z %2</source>
        <translation>Kadencja: rok %1 z %2</translation>
    </message>
    <message>
        <source>Kadencja zakończona</source>
        <translation>Kadencja zakończona</translation>
    </message>
    <message>
        <source>Bez kadencji</source>
        <translation>Bez kadencji</translation>
    </message>
    <message>
        <source>Kadencja</source>
        <translation>Kadencja</translation>
    </message>
    <message>
        <source>Podpis oceny firmy</source>
        <translation>Podpis oceny firmy</translation>
    </message>
    <message>
        <source>Ocena firmy od 0 do 1000, jej części i kadencja</source>
        <translation>Ocena firmy od 0 do 1000, jej części i kadencja</translation>
    </message>
</context>
<context>
    <name>dzwonex::TRatingParts</name>
    <message>
        <source>Pieniądze</source>
        <translation>Pieniądze</translation>
    </message>
    <message>
        <source>Obsługa</source>
        <translation>Obsługa</translation>
    </message>
    <message>
        <source>Reputacja</source>
        <translation>Reputacja</translation>
    </message>
    <message>
        <source>Sprzęt</source>
        <translation>Sprzęt</translation>
    </message>
    <message>
        <source>Dyscyplina</source>
        <translation>Dyscyplina</translation>
    </message>
    <message>
        <source>Kasa i bilans ostatnich 30 dni</source>
        <translation>Kasa i bilans ostatnich 30 dni</translation>
    </message>
    <message>
        <source>Abonenci i budki, liczeni według tego, co przynoszą</source>
        <translation>Abonenci i budki, liczeni według tego, co przynoszą</translation>
    </message>
    <message>
        <source>Opinia i jej zmiana w ostatnich 30 dniach</source>
        <translation>Opinia i jej zmiana w ostatnich 30 dniach</translation>
    </message>
    <message>
        <source>Jakość sprzętu: pełna od 0 do 50</source>
        <translation>Jakość sprzętu: pełna od 0 do 50</translation>
    </message>
    <message>
        <source>Zaległe sprawy i dni na minusie w ostatnich 30 dniach</source>
        <translation>Zaległe sprawy i dni na minusie w ostatnich 30 dniach</translation>
    </message>
    <message>
        <source>%1 z %2 punktów: %3</source>
        <translation>%1 z %2 punktów: %3</translation>
    </message>
    <message>
        <source>Pasek: %1 z %2 punktów</source>
        <translation>Pasek: %1 z %2 punktów</translation>
    </message>
    <message>
        <source>Części oceny</source>
        <translation>Części oceny</translation>
    </message>
    <message>
        <source>Pięć części oceny firmy i ich punkty</source>
        <translation>Pięć części oceny firmy i ich punkty</translation>
    </message>
</context>
<context>
    <name>dzwonex::TRecordsTable</name>
    <message>
        <source>Nr</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Dyrektor</source>
        <translation>Dyrektor</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Ziarno</source>
        <translation>Ziarno</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Dziesięć najlepszych kadencji tej długości: miejsce, dyrektor, data, ziarno gry i ocena</source>
        <translation>Dziesięć najlepszych kadencji tej długości: miejsce, dyrektor, data, ziarno gry i ocena</translation>
    </message>
    <message>
        <source>Nagłówki kolumn</source>
        <translation>Nagłówki kolumn</translation>
    </message>
    <message>
        <source>Miejsce, dyrektor, data, ziarno gry i ocena</source>
        <translation>Miejsce, dyrektor, data, ziarno gry i ocena</translation>
    </message>
</context>
<context>
    <name>dzwonex::TTermChart</name>
    <message>
        <source>Wykres oceny kadencji</source>
        <translation>Wykres oceny kadencji</translation>
    </message>
    <message>
        <source>Ocena na koniec każdego miesiąca kadencji; najlepszy miesiąc na zielono, najgorszy na czerwono</source>
        <translation>Ocena na koniec każdego miesiąca kadencji; najlepszy miesiąc na zielono, najgorszy na czerwono</translation>
    </message>
    <message>
        <source>Ocena na koniec miesiąca</source>
        <translation>Ocena na koniec miesiąca</translation>
    </message>
    <message>
        <source>Brak pełnych miesięcy</source>
        <translation>Brak pełnych miesięcy</translation>
    </message>
    <message>
        <source>rok %1</source>
        <translation>rok %1</translation>
    </message>
</context>
<context>
    <name>dzwonex::TTermDialog</name>
    <message>
        <source>1 rok</source>
        <translation>1 rok</translation>
    </message>
    <message>
        <source>2 lata</source>
        <translation>2 lata</translation>
    </message>
    <message>
        <source>5 lat</source>
        <translation>5 lat</translation>
    </message>
    <message>
        <source>10 lat</source>
        <translation>10 lat</translation>
    </message>
    <message>
        <source>bez kadencji</source>
        <translation>bez kadencji</translation>
    </message>
    <message>
        <source>Nowa gra</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Nowa gra i długość kadencji</source>
        <translation>Nowa gra i długość kadencji</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Kadencja dyrektora:</source>
        <translation>Kadencja dyrektora:</translation>
    </message>
    <message>
        <source>Kadencja dyrektora</source>
        <translation>Kadencja dyrektora</translation>
    </message>
    <message>
        <source>Podpis wyboru długości kadencji</source>
        <translation>Podpis wyboru długości kadencji</translation>
    </message>
    <message>
        <source>Bez kadencji</source>
        <translation>Bez kadencji</translation>
    </message>
    <message>
        <source>Kadencja tylu lat gry; na końcu raport i tabela najlepszych</source>
        <translation>Kadencja tylu lat gry; na końcu raport i tabela najlepszych</translation>
    </message>
    <message>
        <source>Gra bez końca, bez raportu</source>
        <translation>Gra bez końca, bez raportu</translation>
    </message>
    <message>
        <source>Zaczyna nową grę z wybraną kadencją</source>
        <translation>Zaczyna nową grę z wybraną kadencją</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Gra toczy się dalej jak dotąd</source>
        <translation>Gra toczy się dalej jak dotąd</translation>
    </message>
</context>
<context>
    <name>dzwonex::TermReportPage</name>
    <message>
        <source>rok %1, miesiąc %2</source>
        <translation>rok %1, miesiąc %2</translation>
    </message>
    <message>
        <source>Zarząd odwołał dyrektora: kadencja przerwana</source>
        <translation>Zarząd odwołał dyrektora: kadencja przerwana</translation>
    </message>
    <message>
        <source>Koniec kadencji (%1)</source>
        <translation>Koniec kadencji (%1)</translation>
    </message>
    <message>
        <source>Od: %1 — do: %2</source>
        <translation>Od: %1 — do: %2</translation>
    </message>
    <message>
        <source>Ocena końcowa: %1 / %2</source>
        <translation>Ocena końcowa: %1 / %2</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc: %1. (%2 pkt)</source>
        <translation>Najlepszy miesiąc: %1. (%2 pkt)</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc: brak</source>
        <translation>Najlepszy miesiąc: brak</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc: %1. (%2 pkt)</source>
        <translation>Najgorszy miesiąc: %1. (%2 pkt)</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc: brak</source>
        <translation>Najgorszy miesiąc: brak</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy: kadencja %1</source>
        <translation>Najlepsi dyrektorzy: kadencja %1</translation>
    </message>
    <message>
        <source>Odwołany dyrektor nie trafia do tabeli.</source>
        <translation>Odwołany dyrektor nie trafia do tabeli.</translation>
    </message>
    <message>
        <source>Twoje miejsce: %1.</source>
        <translation>Twoje miejsce: %1.</translation>
    </message>
    <message>
        <source>Tym razem poza pierwszą dziesiątką.</source>
        <translation>Tym razem poza pierwszą dziesiątką.</translation>
    </message>
    <message>
        <source>Graj dalej bez kadencji</source>
        <translation>Graj dalej bez kadencji</translation>
    </message>
    <message>
        <source>Graj dalej</source>
        <translation>Graj dalej</translation>
    </message>
    <message>
        <source>Zamyka raport; gra toczy się dalej bez kadencji. Enter</source>
        <translation>Zamyka raport; gra toczy się dalej bez kadencji. Enter</translation>
    </message>
    <message>
        <source>Raport kadencji</source>
        <translation>Raport kadencji</translation>
    </message>
    <message>
        <source>Ocena kadencji, jej miesiące i najlepsi dyrektorzy</source>
        <translation>Ocena kadencji, jej miesiące i najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Okres kadencji</source>
        <translation>Okres kadencji</translation>
    </message>
    <message>
        <source>Ocena końcowa</source>
        <translation>Ocena końcowa</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc</source>
        <translation>Najlepszy miesiąc</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc</source>
        <translation>Najgorszy miesiąc</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Najlepsi dyrektorzy</translation>
    </message>
    <message>
        <source>Miejsce w tabeli</source>
        <translation>Miejsce w tabeli</translation>
    </message>
</context>
<context>
    <name>dzwonex::TfrmLogo</name>
    <message>
        <source>Gra ekonomiczna</source>
        <translation>Gra ekonomiczna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>dzwonex::TfrmMain</name>
    <message>
        <source>Dzwonex</source>
        <translation>Dzwonex</translation>
    </message>
    <message>
        <source>Gra ekonomiczna: oddział firmy telekomunikacyjnej</source>
        <translation>Gra ekonomiczna: oddział firmy telekomunikacyjnej</translation>
    </message>
    <message>
        <source>Strony</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Mapa, Statystyka, Sprawy i Menu; Ctrl+1 do Ctrl+4</source>
        <translation>Mapa, Statystyka, Sprawy i Menu; Ctrl+1 do Ctrl+4</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Mapa</translation>
    </message>
    <message>
        <source>Statystyka</source>
        <translation>Statystyka</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Wybór strony; Ctrl+1 do Ctrl+4, Ctrl+Tab</source>
        <translation>Wybór strony; Ctrl+1 do Ctrl+4, Ctrl+Tab</translation>
    </message>
    <message>
        <source>Strony w lewo</source>
        <translation>Strony w lewo</translation>
    </message>
    <message>
        <source>Strony w prawo</source>
        <translation>Strony w prawo</translation>
    </message>
    <message>
        <source>Przewija przyciski stron</source>
        <translation>Przewija przyciski stron</translation>
    </message>
    <message>
        <source>Miasto z abonentami: kliknij abonenta albo puste miejsce (Ctrl+1)</source>
        <translation>Miasto z abonentami: kliknij abonenta albo puste miejsce (Ctrl+1)</translation>
    </message>
    <message>
        <source>Kasa, opinia, jakość, abonenci, wydatki i wykres (Ctrl+2)</source>
        <translation>Kasa, opinia, jakość, abonenci, wydatki i wykres (Ctrl+2)</translation>
    </message>
    <message>
        <source>Sprawy do odpowiedzi i ostatnie zmiany (Ctrl+3)</source>
        <translation>Sprawy do odpowiedzi i ostatnie zmiany (Ctrl+3)</translation>
    </message>
    <message>
        <source>Muzyka, język, pomoc (F1) i zapisane gry (Ctrl+4)</source>
        <translation>Muzyka, język, pomoc (F1) i zapisane gry (Ctrl+4)</translation>
    </message>
</context>
</TS>
