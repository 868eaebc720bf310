<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>dzwonex::BannerBar</name>
    <message>
        <source>Reklama</source>
        <translation>Advertisement</translation>
    </message>
    <message>
        <source>Pasek z reklamą firmy</source>
        <translation>The company&apos;s advertising strip</translation>
    </message>
    <message>
        <source>Reklama firmy; kliknięcie otwiera stronę firmy</source>
        <translation>The company&apos;s advertisement; a click opens the company&apos;s website</translation>
    </message>
</context>
<context>
    <name>dzwonex::CareerFiles</name>
    <message>
        <source>Nie można odczytać pliku %1 (%2); gra toczy się dalej bez niego i niczego w nim nie zmieni.</source>
        <translation>File %1 cannot be read (%2); the game goes on without it and changes nothing in it.</translation>
    </message>
</context>
<context>
    <name>dzwonex::CareerPresenter</name>
    <message>
        <source>Osiągnięcie: %1</source>
        <translation>Milestone: %1</translation>
    </message>
</context>
<context>
    <name>dzwonex::CasesPage</name>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Sprawy</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Skrzynka spraw: pierwsza sprawa i odpowiedzi</source>
        <translation>The inbox: the front case and the answers</translation>
    </message>
    <message>
        <source>Sprawa</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Pierwsza sprawa w skrzynce</source>
        <translation>The front case in the inbox</translation>
    </message>
    <message>
        <source>Tytuł sprawy</source>
        <translation>Case title</translation>
    </message>
    <message>
        <source>Tytuł pierwszej sprawy</source>
        <translation>Title of the front case</translation>
    </message>
    <message>
        <source>Treść sprawy</source>
        <translation>Case text</translation>
    </message>
    <message>
        <source>Treść pierwszej sprawy</source>
        <translation>Text of the front case</translation>
    </message>
    <message>
        <source>Zgoda na sprawę; klawisz T</source>
        <translation>Agrees to the case; key Y or T</translation>
    </message>
    <message>
        <source>Przyjęcie wiadomości; klawisz O</source>
        <translation>Takes note of the message; key O</translation>
    </message>
    <message>
        <source>Odmowa; klawisz N</source>
        <translation>Refuses; key N</translation>
    </message>
    <message>
        <source>Ostatnie zmiany</source>
        <translation>Recent changes</translation>
    </message>
    <message>
        <source>Nagłówek listy zmian</source>
        <translation>Heading of the list of changes</translation>
    </message>
    <message>
        <source>Co zmieniły ostatnie odpowiedzi i dni, najnowsze na górze</source>
        <translation>What the latest answers and days changed, newest at the top</translation>
    </message>
</context>
<context>
    <name>dzwonex::Changes</name>
    <message>
        <source>Kasa</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinion</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Sprawy</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Opinia w dół</source>
        <translation>Opinion down</translation>
    </message>
    <message>
        <source>Opinia w górę</source>
        <translation>Opinion up</translation>
    </message>
    <message>
        <source>Po Tak: %1</source>
        <translation>After Yes: %1</translation>
    </message>
    <message>
        <source>Bez zmian</source>
        <translation>No change</translation>
    </message>
    <message>
        <source>Dzień</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1.%2, rok %3</source>
        <translation>%1.%2, year %3</translation>
    </message>
</context>
<context>
    <name>dzwonex::CompanyKeeper</name>
    <message>
        <source>Nie można utworzyć folderu %1 na zachowane gry.</source>
        <translation>Cannot make the folder %1 for kept games.</translation>
    </message>
    <message>
        <source>Nie można utworzyć pliku na zachowaną grę w folderze %1.</source>
        <translation>Cannot make a file for the kept game in folder %1.</translation>
    </message>
</context>
<context>
    <name>dzwonex::Dialogs</name>
    <message>
        <source>Gra Dzwonex (*.dzwonex)</source>
        <translation>Dzwonex game (*.dzwonex)</translation>
    </message>
    <message>
        <source>Zapisz grę</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Wczytaj grę</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Zachowane gry</source>
        <translation>Kept games</translation>
    </message>
    <message>
        <source>Gry ostatnio grane, najnowsza na górze</source>
        <translation>Games played lately, the latest on top</translation>
    </message>
    <message>
        <source>Kontynuuj</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Best managers</translation>
    </message>
    <message>
        <source>Kadencja dobiega końca. Pod jakim nazwiskiem wpisać cię do tabeli najlepszych dyrektorów?</source>
        <translation>Your term is ending. Under what name shall the best managers’ table list you?</translation>
    </message>
</context>
<context>
    <name>dzwonex::GameController</name>
    <message>
        <source>Za mało pamięci, by zacząć grę.</source>
        <translation>Not enough memory to start the game.</translation>
    </message>
    <message>
        <source>Ostatnia gra: %1 — Ctrl+K</source>
        <translation>Last game: %1 — Ctrl+K</translation>
    </message>
    <message>
        <source>Zacząć nową grę? Obecna gra zostanie zachowana: wrócisz do niej przyciskiem „Kontynuuj”.</source>
        <translation>Start a new game? This game will be kept: “Continue” brings it back.</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 ×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>Przy ostatnim zamknięciu: %1</source>
        <translation>When the game last closed: %1</translation>
    </message>
    <message>
        <source>Zacząć nową grę? Obecna gra nie zostanie zachowana: nic w niej jeszcze nie zrobiono.</source>
        <translation>Start a new game? The current game will not be kept: nothing has been done in it yet.</translation>
    </message>
    <message>
        <source>Nowa sprawa: zegar zatrzymany (P wznawia)</source>
        <translation>A new case: the clock stopped (P resumes)</translation>
    </message>
    <message>
        <source>Sprawy „%1” w skrzynce: %2. Odpowiedzieć „%3” na wszystkie naraz?</source>
        <translation>Cases “%1” in the inbox: %2. Answer “%3” to all of them at once?</translation>
    </message>
    <message>
        <source>Odpowiedz „%1” na %2 sprawy</source>
        <translation>Answer “%1” to %2 cases</translation>
    </message>
    <message>
        <source>Odpowiedz „%1” na %2 spraw</source>
        <translation>Answer “%1” to %2 cases</translation>
    </message>
</context>
<context>
    <name>dzwonex::GameKeeper</name>
    <message>
        <source>Zapisano: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>%1 · grana %2</source>
        <translation>%1 · played %2</translation>
    </message>
    <message>
        <source>nie do odczytania</source>
        <translation>cannot be read</translation>
    </message>
    <message>
        <source>rok %1, %2</source>
        <translation>year %1, %2</translation>
    </message>
</context>
<context>
    <name>dzwonex::Leaving</name>
    <message>
        <source>opinia</source>
        <translation>opinion</translation>
    </message>
    <message>
        <source>opinia − jakość</source>
        <translation>opinion − quality</translation>
    </message>
    <message>
        <source>opinia + jakość</source>
        <translation>opinion + quality</translation>
    </message>
    <message>
        <source>%1 i %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>Odchodzą: %1</source>
        <translation>Leaving: %1</translation>
    </message>
</context>
<context>
    <name>dzwonex::MapPage</name>
    <message>
        <source>Legenda</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Mapa miasta z abonentami i legenda</source>
        <translation>The town map with its subscribers, and the legend</translation>
    </message>
    <message>
        <source>Rodzaje abonentów na mapie</source>
        <translation>The kinds of subscriber on the map</translation>
    </message>
    <message>
        <source>Nagłówek legendy</source>
        <translation>Legend heading</translation>
    </message>
    <message>
        <source>Ikony legendy</source>
        <translation>Legend icons</translation>
    </message>
    <message>
        <source>Ikony sześciu rodzajów abonentów</source>
        <translation>Icons of the six kinds of subscriber</translation>
    </message>
    <message>
        <source>Pozycja legendy; wskaż, by wyróżnić te punkty na mapie</source>
        <translation>Legend entry; point at it to pick out these points on the map</translation>
    </message>
    <message>
        <source>Wskazana pozycja wyróżnia swoje punkty na mapie</source>
        <translation>The entry under the pointer picks out its points on the map</translation>
    </message>
    <message>
        <source>Mapa miasta</source>
        <translation>Town map</translation>
    </message>
    <message>
        <source>Przewijana mapa miasta</source>
        <translation>Scrolling map of the town</translation>
    </message>
    <message>
        <source>Kliknięcie abonenta pyta o odłączenie, pustego miejsca o budkę telefoniczną</source>
        <translation>A click on a subscriber asks about cutting them off; on empty ground, about a phone booth</translation>
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
        <translation>Music</translation>
    </message>
    <message>
        <source>Głośność muzyki</source>
        <translation>Music volume</translation>
    </message>
    <message>
        <source>Głośność efektów</source>
        <translation>Effects volume</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Gra</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Zapisz grę…</source>
        <translation>Save game…</translation>
    </message>
    <message>
        <source>Wczytaj grę…</source>
        <translation>Load game…</translation>
    </message>
    <message>
        <source>Nowa gra</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Kontynuuj ostatnią grę</source>
        <translation>Continue the last game</translation>
    </message>
    <message>
        <source>Muzyka, głośność, język, pomoc i zapisane gry</source>
        <translation>Music, volume, language, help and saved games</translation>
    </message>
    <message>
        <source>Ustawienia gry</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>Nagłówek menu</source>
        <translation>Menu heading</translation>
    </message>
    <message>
        <source>Włącza i wyłącza muzykę</source>
        <translation>Turns the music on and off</translation>
    </message>
    <message>
        <source>Podpis suwaka</source>
        <translation>Slider caption</translation>
    </message>
    <message>
        <source>Od 0 do 100 procent</source>
        <translation>From 0 to 100 per cent</translation>
    </message>
    <message>
        <source>Podpis listy języków</source>
        <translation>Caption of the language list</translation>
    </message>
    <message>
        <source>Język gry: polski albo angielski</source>
        <translation>The game&apos;s language: Polish or English</translation>
    </message>
    <message>
        <source>Otwiera pomoc; klawisz F1</source>
        <translation>Opens the help; key F1</translation>
    </message>
    <message>
        <source>Nagłówek zapisanych gier</source>
        <translation>Heading of the saved games</translation>
    </message>
    <message>
        <source>Zapisz grę</source>
        <translation>Save game</translation>
    </message>
    <message>
        <source>Zapisuje grę do pliku; Ctrl+S</source>
        <translation>Saves the game to a file; Ctrl+S</translation>
    </message>
    <message>
        <source>Wczytaj grę</source>
        <translation>Load game</translation>
    </message>
    <message>
        <source>Wczytuje zapisaną grę; Ctrl+O</source>
        <translation>Loads a saved game; Ctrl+O</translation>
    </message>
    <message>
        <source>Zaczyna od nowa z nową firmą; Ctrl+N</source>
        <translation>Starts afresh with a new company; Ctrl+N</translation>
    </message>
    <message>
        <source>Zachowane gry…</source>
        <translation>Kept games…</translation>
    </message>
    <message>
        <source>Zaczynaj od ostatniej gry</source>
        <translation>Start with the last game</translation>
    </message>
    <message>
        <source>Wraca do ostatnio granej firmy; Ctrl+K</source>
        <translation>Goes back to the company played last; Ctrl+K</translation>
    </message>
    <message>
        <source>Zachowane gry</source>
        <translation>Kept games</translation>
    </message>
    <message>
        <source>Lista ostatnio granych firm, do wyboru</source>
        <translation>A list of the companies played lately, to pick from</translation>
    </message>
    <message>
        <source>Po uruchomieniu gra wraca do ostatnio granej firmy</source>
        <translation>At start the game goes back to the company played last</translation>
    </message>
    <message>
        <source>Osiągnięcia…</source>
        <translation>Milestones…</translation>
    </message>
    <message>
        <source>Osiągnięcia</source>
        <translation>Milestones</translation>
    </message>
    <message>
        <source>Osiągnięcia z datą zdobycia i najlepsi dyrektorzy</source>
        <translation>Milestones with the date reached, and the best managers</translation>
    </message>
    <message>
        <source>Zatrzymaj zegar przy nowym pytaniu</source>
        <translation>Stop the clock at a new question</translation>
    </message>
    <message>
        <source>Gdy przyjdzie nowa sprawa, prędkość spada do 0; wznawia ją P albo pasek prędkości</source>
        <translation>When a new case comes, the speed drops to 0; P or the speed bar resumes it</translation>
    </message>
</context>
<context>
    <name>dzwonex::PlayerFile</name>
    <message>
        <source>Plik %1 jest uszkodzony (%2) i nie dało się go odłożyć; gra toczy się dalej bez niego.</source>
        <translation>The file %1 is damaged (%2) and could not be put aside; the game goes on without it.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony (%2). Odłożono go jako %3 i zaczęto nowy.</source>
        <translation>The file %1 is damaged (%2). It was put aside as %3 and a new one was started.</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu %1 na plik %2.</source>
        <translation>Cannot make the folder %1 for the file %2.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1 (%2).</source>
        <translation>Cannot write the file %1 (%2).</translation>
    </message>
    <message>
        <source>Plik %1 jest zajęty przez inną grę; zmiany zostaną zapisane przy następnej okazji.</source>
        <translation>File %1 is in use by another game; the changes will be written next time.</translation>
    </message>
</context>
<context>
    <name>dzwonex::Settings</name>
    <message>
        <source>to folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>to nie zwykły plik</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>Plik ustawień %1 nie nadaje się do odczytu (%2). Odłożono go jako %3 i zaczęto nowy.</source>
        <translation>Settings file %1 cannot be read (%2). It was put aside as %3 and a new one begun.</translation>
    </message>
    <message>
        <source>Plik ustawień %1 nie nadaje się do odczytu (%2); ustawienia nie zostaną zapamiętane.</source>
        <translation>Settings file %1 cannot be read (%2); the settings will not be kept.</translation>
    </message>
</context>
<context>
    <name>dzwonex::Speakers</name>
    <message>
        <source>Gra bez dźwięku: nie można wczytać %1 (%2).</source>
        <translation>The game is silent: cannot load %1 (%2).</translation>
    </message>
</context>
<context>
    <name>dzwonex::StatisticsPage</name>
    <message>
        <source>Podpis wiersza</source>
        <translation>Row caption</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinion</translation>
    </message>
    <message>
        <source>Podpis wiersza opinii</source>
        <translation>Caption of the opinion row</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Podpis wiersza jakości</source>
        <translation>Caption of the quality row</translation>
    </message>
    <message>
        <source>Abonenci</source>
        <translation>Subscribers</translation>
    </message>
    <message>
        <source>Nagłówek liczby abonentów</source>
        <translation>Heading of the subscriber counts</translation>
    </message>
    <message>
        <source>Wydatki</source>
        <translation>Expenses</translation>
    </message>
    <message>
        <source>Nagłówek rachunku dnia</source>
        <translation>Heading of the day&apos;s account</translation>
    </message>
    <message>
        <source>Pracownicy</source>
        <translation>Staff</translation>
    </message>
    <message>
        <source>Naprawy</source>
        <translation>Repairs</translation>
    </message>
    <message>
        <source>Nowy sprzęt</source>
        <translation>New equipment</translation>
    </message>
    <message>
        <source>Kasa</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Podpis wiersza kasy</source>
        <translation>Caption of the cash row</translation>
    </message>
    <message>
        <source>Przychody</source>
        <translation>Income</translation>
    </message>
    <message>
        <source>Razem</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Podpis wiersza: suma wydatków</source>
        <translation>Row caption: the sum of the expenses</translation>
    </message>
    <message>
        <source>Bilans dnia</source>
        <translation>Day&apos;s balance</translation>
    </message>
    <message>
        <source>Historia</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Wykres kasy, opinii, jakości i abonentów od początku gry</source>
        <translation>Chart of cash, opinion, quality and subscribers since the game began</translation>
    </message>
    <message>
        <source>Statystyka</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Stan firmy i wykres historii</source>
        <translation>The company&apos;s state and its history chart</translation>
    </message>
    <message>
        <source>Stan firmy</source>
        <translation>Company state</translation>
    </message>
    <message>
        <source>Kasa, opinia, jakość, abonenci i rachunek dnia</source>
        <translation>Cash, opinion, quality, subscribers and the day&apos;s account</translation>
    </message>
    <message>
        <source>Pieniądze firmy w złotych; poniżej zera na czerwono</source>
        <translation>The company&apos;s money in PLN; red below zero</translation>
    </message>
    <message>
        <source>Liczba abonentów telefonu lub modemu</source>
        <translation>Number of phone or modem subscribers</translation>
    </message>
    <message>
        <source>Liczba abonentów ISDN</source>
        <translation>Number of ISDN subscribers</translation>
    </message>
    <message>
        <source>Liczba abonentów SDI</source>
        <translation>Number of SDI subscribers</translation>
    </message>
    <message>
        <source>Liczba abonentów Neostrady</source>
        <translation>Number of Neostrada subscribers</translation>
    </message>
    <message>
        <source>Liczba abonentów Polpak-T</source>
        <translation>Number of Polpak-T subscribers</translation>
    </message>
    <message>
        <source>Liczba budek telefonicznych</source>
        <translation>Number of phone booths</translation>
    </message>
    <message>
        <source>Dzisiejsze płace, w złotych</source>
        <translation>Today&apos;s wages, in PLN</translation>
    </message>
    <message>
        <source>Dzisiejsze naprawy, w złotych</source>
        <translation>Today&apos;s repairs, in PLN</translation>
    </message>
    <message>
        <source>Dzisiejsze wydatki na sprzęt, w złotych</source>
        <translation>Today&apos;s spending on equipment, in PLN</translation>
    </message>
    <message>
        <source>Dzisiejsze wpływy od abonentów, w złotych</source>
        <translation>Today&apos;s takings from subscribers, in PLN</translation>
    </message>
    <message>
        <source>Wydatki razem</source>
        <translation>Total expenses</translation>
    </message>
    <message>
        <source>Suma dzisiejszych wydatków, w złotych</source>
        <translation>The sum of today&apos;s expenses, in PLN</translation>
    </message>
    <message>
        <source>Przychody minus wydatki; strata na czerwono</source>
        <translation>Income minus expenses; a loss in red</translation>
    </message>
    <message>
        <source>zła</source>
        <translation>poor</translation>
    </message>
    <message>
        <source>przeciętna</source>
        <translation>average</translation>
    </message>
    <message>
        <source>dobra</source>
        <translation>good</translation>
    </message>
    <message>
        <source>wysoka</source>
        <translation>high</translation>
    </message>
    <message>
        <source>Telefonów ubywa, przychodzą bluzgi i podania z kopertą</source>
        <translation>Phone lines leave; abuse and envelopes come in</translation>
    </message>
    <message>
        <source>Co dzień dwa nowe telefony i więcej, a naprawy rosną z kwadratem liczby łączy</source>
        <translation>Two new phone lines a day and more, and the repairs grow with the square of the lines</translation>
    </message>
    <message>
        <source>niska</source>
        <translation>low</translation>
    </message>
    <message>
        <source>kosztowna</source>
        <translation>costly</translation>
    </message>
    <message>
        <source>Tańszy sprzęt, mniej podań o Polpak-T</source>
        <translation>Cheaper equipment, fewer Polpak-T applications</translation>
    </message>
    <message>
        <source>Sprzęt w porządku</source>
        <translation>The equipment is fine</translation>
    </message>
    <message>
        <source>Zmiana w ciągu %1 dni: %2</source>
        <translation>Change over %1 days: %2</translation>
    </message>
    <message>
        <source>Opinia publiczna o firmie</source>
        <translation>What the public thinks of the company</translation>
    </message>
    <message>
        <source>Poziom sprzętu; każdy punkt to 100 zł dziennie na sprzęt</source>
        <translation>The level of the equipment; each point costs PLN 100 a day in equipment</translation>
    </message>
    <message>
        <source>Ocena opinii</source>
        <translation>Opinion band</translation>
    </message>
    <message>
        <source>Zła, przeciętna, dobra albo wysoka: co opinia przynosi</source>
        <translation>Poor, average, good or high: what the opinion brings</translation>
    </message>
    <message>
        <source>Kierunek opinii</source>
        <translation>Opinion trend</translation>
    </message>
    <message>
        <source>Strzałka: jak opinia zmieniła się w ciągu 30 dni</source>
        <translation>An arrow: how the opinion went over the last 30 days</translation>
    </message>
    <message>
        <source>Ocena jakości</source>
        <translation>Quality band</translation>
    </message>
    <message>
        <source>Zła, niska, dobra albo kosztowna: co jakość przynosi</source>
        <translation>Poor, low, good or costly: what the quality brings</translation>
    </message>
    <message>
        <source>Kierunek jakości</source>
        <translation>Quality trend</translation>
    </message>
    <message>
        <source>Strzałka: jak jakość zmieniła się w ciągu 30 dni</source>
        <translation>An arrow: how the quality went over the last 30 days</translation>
    </message>
    <message>
        <source>Telefony prawie stoją w miejscu; SDI i Neostrada odchodzą, gdy opinia + jakość &lt; %1</source>
        <translation>The phone lines hardly move; SDI and Neostrada leave while opinion + quality &lt; %1</translation>
    </message>
    <message>
        <source>Abonenci SDI i Neostrady odchodzą, gdy opinia + jakość &lt; %1</source>
        <translation>SDI and Neostrada subscribers leave while opinion + quality &lt; %1</translation>
    </message>
    <message>
        <source>Abonenci odchodzą: %1</source>
        <translation>Subscribers leaving: %1</translation>
    </message>
    <message>
        <source>Kierunek: %1</source>
        <translation>Trend: %1</translation>
    </message>
    <message>
        <source>Strzałka: jak liczba zmieniła się w ciągu 30 dni; czerwona, gdy abonenci odchodzą</source>
        <translation>Arrow: how the count changed over 30 days; red while subscribers are leaving</translation>
    </message>
    <message>
        <source>Kilka nowych telefonów w tygodniu; ISDN odchodzi, gdy opinia − jakość &lt; %2, o %3 mniej na każde 100 telefonów</source>
        <translation>A few new phone lines a week; ISDN leaves while opinion − quality &lt; %2, %3 less for each 100 phone lines</translation>
    </message>
    <message>
        <source>Każdy punkt to 100 zł dziennie na sprzęt, a abonenci ISDN odchodzą, gdy opinia − jakość &lt; %2, o %3 mniej na każde 100 telefonów</source>
        <translation>Each point costs PLN 100 a day in equipment, and ISDN subscribers leave while opinion − quality &lt; %2, %3 less for each 100 phone lines</translation>
    </message>
</context>
<context>
    <name>dzwonex::StatusBar</name>
    <message>
        <source>Pasek stanu</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Szybkość gry, data i ostatnia zmiana</source>
        <translation>Game speed, date and the latest change</translation>
    </message>
    <message>
        <source>Szybkość gry</source>
        <translation>Game speed</translation>
    </message>
    <message>
        <source>Obecna szybkość gry, od 0 do 10</source>
        <translation>The current game speed, from 0 to 10</translation>
    </message>
    <message>
        <source>Pasek szybkości</source>
        <translation>Speed gauge</translation>
    </message>
    <message>
        <source>Szybkość gry: kliknij lub użyj strzałek; 0 zatrzymuje czas</source>
        <translation>Game speed: click or use the arrow keys; 0 stops the clock</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rok, miesiąc i dzień gry</source>
        <translation>The game&apos;s year, month and day</translation>
    </message>
    <message>
        <source>Ostatnia zmiana</source>
        <translation>Latest change</translation>
    </message>
    <message>
        <source>Co zmieniła ostatnia odpowiedź, kliknięcie mapy lub dzień</source>
        <translation>What the latest answer, map click or day changed</translation>
    </message>
    <message>
        <source>F1 — Pomoc</source>
        <translation>F1 — Help</translation>
    </message>
    <message>
        <source>Szybkość gry, od 0 (czas stoi) do 10 (dzień co 2 s): kliknij, + i -, P to pauza</source>
        <translation>Game speed, from 0 (the clock stands) to 10 (a day every 2 s): click, + and -, P pauses</translation>
    </message>
</context>
<context>
    <name>dzwonex::TAchievementsDialog</name>
    <message>
        <source>Osiągnięcia</source>
        <translation>Milestones</translation>
    </message>
    <message>
        <source>Osiągnięcia i najlepsi dyrektorzy</source>
        <translation>Milestones and the best managers</translation>
    </message>
    <message>
        <source>Osiągnięcia i rekordy</source>
        <translation>Milestones and records</translation>
    </message>
    <message>
        <source>Dwie karty: osiągnięcia i najlepsi dyrektorzy</source>
        <translation>Two tabs: milestones and the best managers</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Best managers</translation>
    </message>
    <message>
        <source>Lista osiągnięć z datą zdobycia</source>
        <translation>The milestones with the date reached</translation>
    </message>
    <message>
        <source>Dziesięć najlepszych kadencji każdej długości</source>
        <translation>The ten best terms of each length</translation>
    </message>
    <message>
        <source>Zdobyte: %1 z %2</source>
        <translation>Reached: %1 of %2</translation>
    </message>
    <message>
        <source>Liczba osiągnięć</source>
        <translation>Milestones reached</translation>
    </message>
    <message>
        <source>Osiągnięcie</source>
        <translation>Milestone</translation>
    </message>
    <message>
        <source>Jak je zdobyć</source>
        <translation>How to reach it</translation>
    </message>
    <message>
        <source>Zdobyte</source>
        <translation>Reached</translation>
    </message>
    <message>
        <source>Kadencja:</source>
        <translation>Term:</translation>
    </message>
    <message>
        <source>Kadencja</source>
        <translation>Term</translation>
    </message>
    <message>
        <source>Podpis listy długości kadencji</source>
        <translation>The caption of the term lengths</translation>
    </message>
    <message>
        <source>Długość kadencji</source>
        <translation>Term length</translation>
    </message>
    <message>
        <source>Tabela której długości kadencji</source>
        <translation>Which term length the table shows</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zamyka okno osiągnięć</source>
        <translation>Closes the milestones window</translation>
    </message>
    <message>
        <source>rok %1, miesiąc %2, dzień %3</source>
        <translation>year %1, month %2, day %3</translation>
    </message>
    <message>
        <source>Każde osiągnięcie, jak je zdobyć i dzień gry, w którym zdobyto je pierwszy raz; niezdobyte bez daty</source>
        <translation>Each milestone, how to reach it and the game day it was first reached; those not reached have no date</translation>
    </message>
    <message>
        <source>%1 (zapisane %2)</source>
        <translation>%1 (recorded %2)</translation>
    </message>
</context>
<context>
    <name>dzwonex::THelpDialog</name>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Krótka pomoc do gry</source>
        <translation>A short guide to the game</translation>
    </message>
    <message>
        <source>Opis gry i klawiszy</source>
        <translation>The game and its keys explained</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zamyka pomoc</source>
        <translation>Closes the help</translation>
    </message>
    <message>
        <source>Dzwonex — Pomoc</source>
        <translation>Dzwonex — Help</translation>
    </message>
</context>
<context>
    <name>dzwonex::THistoryChart</name>
    <message>
        <source>Kasa</source>
        <translation>Cash</translation>
    </message>
    <message>
        <source>Opinia i jakość</source>
        <translation>Opinion/quality</translation>
    </message>
    <message>
        <source>Abonenci</source>
        <translation>Subscribers</translation>
    </message>
    <message>
        <source>Wykres kasy</source>
        <translation>Cash chart</translation>
    </message>
    <message>
        <source>Wykres opinii i jakości</source>
        <translation>Opinion and quality chart</translation>
    </message>
    <message>
        <source>Wykres abonentów</source>
        <translation>Subscribers chart</translation>
    </message>
    <message>
        <source>Kasa od początku gry, rok po roku</source>
        <translation>Cash since the game began, year by year</translation>
    </message>
    <message>
        <source>Opinia i jakość od początku gry, rok po roku</source>
        <translation>Opinion and quality since the game began, year by year</translation>
    </message>
    <message>
        <source>Abonenci każdego rodzaju od początku gry, rok po roku</source>
        <translation>Subscribers of each kind since the game began, year by year</translation>
    </message>
    <message>
        <source>mln zł</source>
        <translation>PLN million</translation>
    </message>
    <message>
        <source>tys. zł</source>
        <translation>PLN thousand</translation>
    </message>
    <message>
        <source>Rok</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>poniżej zera</source>
        <translation>below zero</translation>
    </message>
    <message>
        <source>Opinia</source>
        <translation>Opinion</translation>
    </message>
    <message>
        <source>Jakość</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>telefony i ISDN</source>
        <translation>phones and ISDN</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>the rest</translation>
    </message>
    <message>
        <source>Pokazuje historię kasy</source>
        <translation>Shows the history of the cash</translation>
    </message>
    <message>
        <source>Pokazuje historię opinii i jakości</source>
        <translation>Shows the history of opinion and quality</translation>
    </message>
    <message>
        <source>Pokazuje historię liczby abonentów każdego rodzaju</source>
        <translation>Shows the history of the number of subscribers of each kind</translation>
    </message>
    <message>
        <source>Miesiąc</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>rok %1</source>
        <extracomment>A year&apos;s first month among the months of the x axis.</extracomment>
        <translation>year %1</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Wykres oceny firmy</source>
        <translation>Company rating chart</translation>
    </message>
    <message>
        <source>Ocena firmy i jej części od początku gry, rok po roku</source>
        <translation>The company rating and its parts since the start of the game, year by year</translation>
    </message>
    <message>
        <source>Części</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>Pokazuje historię oceny firmy i jej części</source>
        <translation>Shows the history of the company rating and its parts</translation>
    </message>
</context>
<context>
    <name>dzwonex::TMilestonePanel</name>
    <message>
        <source>Osiągnięcie!</source>
        <translation>Milestone!</translation>
    </message>
    <message>
        <source>Kliknij, aby zamknąć</source>
        <translation>Click to close</translation>
    </message>
    <message>
        <source>Osiągnięcie</source>
        <translation>Milestone</translation>
    </message>
    <message>
        <source>Osiągnięcie zdobyte przed chwilą; kliknij, aby zamknąć</source>
        <translation>A milestone just reached; click to close</translation>
    </message>
    <message>
        <source>Nagłówek notki</source>
        <translation>The note's heading</translation>
    </message>
    <message>
        <source>Nazwa osiągnięcia</source>
        <translation>Milestone's name</translation>
    </message>
    <message>
        <source>Co zostało osiągnięte</source>
        <translation>What was reached</translation>
    </message>
    <message>
        <source>Opis osiągnięcia</source>
        <translation>Milestone's description</translation>
    </message>
    <message>
        <source>Jak je zdobyć</source>
        <translation>How to reach it</translation>
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
        <translation>Company rating</translation>
    </message>
    <message>
        <source>%1 z %2 punktów</source>
        <translation>%1 of %2 points</translation>
    </message>
    <message>
        <source>Kadencja: rok %1 z %2</source>
        <translation>Term: year %1 of %2</translation>
    </message>
    <message>
        <source>Kadencja zakończona</source>
        <translation>Term ended</translation>
    </message>
    <message>
        <source>Bez kadencji</source>
        <translation>No term</translation>
    </message>
    <message>
        <source>Kadencja</source>
        <translation>Term</translation>
    </message>
    <message>
        <source>Podpis oceny firmy</source>
        <translation>The caption of the company rating</translation>
    </message>
    <message>
        <source>Ocena firmy od 0 do 1000, jej części i kadencja</source>
        <translation>The company rating from 0 to 1000, its parts and the term</translation>
    </message>
</context>
<context>
    <name>dzwonex::TRatingParts</name>
    <message>
        <source>Pieniądze</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>Obsługa</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Reputacja</source>
        <translation>Reputation</translation>
    </message>
    <message>
        <source>Sprzęt</source>
        <translation>Equipment</translation>
    </message>
    <message>
        <source>Dyscyplina</source>
        <translation>Discipline</translation>
    </message>
    <message>
        <source>Kasa i bilans ostatnich 30 dni</source>
        <translation>Cash and the balance of the last 30 days</translation>
    </message>
    <message>
        <source>Abonenci i budki, liczeni według tego, co przynoszą</source>
        <translation>Subscribers and booths, counted by what they bring in</translation>
    </message>
    <message>
        <source>Opinia i jej zmiana w ostatnich 30 dniach</source>
        <translation>Opinion and its change over the last 30 days</translation>
    </message>
    <message>
        <source>Jakość sprzętu: pełna od 0 do 50</source>
        <translation>Equipment quality: full from 0 to 50</translation>
    </message>
    <message>
        <source>Zaległe sprawy i dni na minusie w ostatnich 30 dniach</source>
        <translation>Cases left waiting and days below zero in the last 30 days</translation>
    </message>
    <message>
        <source>%1 z %2 punktów: %3</source>
        <translation>%1 of %2 points: %3</translation>
    </message>
    <message>
        <source>Pasek: %1 z %2 punktów</source>
        <translation>Bar: %1 of %2 points</translation>
    </message>
    <message>
        <source>Części oceny</source>
        <translation>Rating parts</translation>
    </message>
    <message>
        <source>Pięć części oceny firmy i ich punkty</source>
        <translation>The five parts of the company rating and their points</translation>
    </message>
</context>
<context>
    <name>dzwonex::TRecordsTable</name>
    <message>
        <source>Nr</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Dyrektor</source>
        <translation>Manager</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Best managers</translation>
    </message>
    <message>
        <source>Nagłówki kolumn</source>
        <translation>Column headers</translation>
    </message>
    <message>
        <source>Ziarno gry: %1</source>
        <translation>Game seed: %1</translation>
    </message>
    <message>
        <source>Dziesięć najlepszych kadencji tej długości: miejsce, dyrektor, data i ocena; ziarno gry w podpowiedzi</source>
        <translation>The ten best terms of this length: place, manager, date and rating; the game seed in the tooltip</translation>
    </message>
    <message>
        <source>Miejsce, dyrektor, data i ocena</source>
        <translation>Place, manager, date and rating</translation>
    </message>
</context>
<context>
    <name>dzwonex::TTermChart</name>
    <message>
        <source>Wykres oceny kadencji</source>
        <translation>Term rating chart</translation>
    </message>
    <message>
        <source>Ocena na koniec każdego miesiąca kadencji; najlepszy miesiąc na zielono, najgorszy na czerwono</source>
        <translation>The rating at the end of each month of the term; the best month in green, the worst in red</translation>
    </message>
    <message>
        <source>Ocena na koniec miesiąca</source>
        <translation>Rating at the month’s end</translation>
    </message>
    <message>
        <source>Brak pełnych miesięcy</source>
        <translation>No full months</translation>
    </message>
    <message>
        <source>rok %1</source>
        <translation>year %1</translation>
    </message>
</context>
<context>
    <name>dzwonex::TTermDialog</name>
    <message>
        <source>1 rok</source>
        <translation>1 year</translation>
    </message>
    <message>
        <source>2 lata</source>
        <translation>2 years</translation>
    </message>
    <message>
        <source>5 lat</source>
        <translation>5 years</translation>
    </message>
    <message>
        <source>10 lat</source>
        <translation>10 years</translation>
    </message>
    <message>
        <source>bez kadencji</source>
        <translation>no term</translation>
    </message>
    <message>
        <source>Nowa gra</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Nowa gra i długość kadencji</source>
        <translation>A new game and the length of the term</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Kadencja dyrektora:</source>
        <translation>Manager’s term:</translation>
    </message>
    <message>
        <source>Kadencja dyrektora</source>
        <translation>Manager’s term</translation>
    </message>
    <message>
        <source>Podpis wyboru długości kadencji</source>
        <translation>The caption of the term length choice</translation>
    </message>
    <message>
        <source>Bez kadencji</source>
        <translation>No term</translation>
    </message>
    <message>
        <source>Kadencja tylu lat gry; na końcu raport i tabela najlepszych</source>
        <translation>A term of so many game years; at its end a report and the table of the best</translation>
    </message>
    <message>
        <source>Gra bez końca, bez raportu</source>
        <translation>A game without an end, without a report</translation>
    </message>
    <message>
        <source>Zaczyna nową grę z wybraną kadencją</source>
        <translation>Starts a new game with the chosen term</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Gra toczy się dalej jak dotąd</source>
        <translation>The game goes on as before</translation>
    </message>
</context>
<context>
    <name>dzwonex::TermReportPage</name>
    <message>
        <source>rok %1, miesiąc %2</source>
        <translation>year %1, month %2</translation>
    </message>
    <message>
        <source>Zarząd odwołał dyrektora: kadencja przerwana</source>
        <translation>Dismissed by the board: the term cut short</translation>
    </message>
    <message>
        <source>Koniec kadencji (%1)</source>
        <translation>End of the term (%1)</translation>
    </message>
    <message>
        <source>Od: %1 — do: %2</source>
        <translation>From: %1 — to: %2</translation>
    </message>
    <message>
        <source>Ocena końcowa: %1 / %2</source>
        <translation>Final rating: %1 / %2</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc: %1. (%2 pkt)</source>
        <translation>Best month: %1 (%2 points)</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc: brak</source>
        <translation>Best month: none</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc: %1. (%2 pkt)</source>
        <translation>Worst month: %1 (%2 points)</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc: brak</source>
        <translation>Worst month: none</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy: kadencja %1</source>
        <translation>Best managers: a term of %1</translation>
    </message>
    <message>
        <source>Odwołany dyrektor nie trafia do tabeli.</source>
        <translation>A dismissed manager does not enter the table.</translation>
    </message>
    <message>
        <source>Twoje miejsce: %1.</source>
        <translation>Your place: %1.</translation>
    </message>
    <message>
        <source>Tym razem poza pierwszą dziesiątką.</source>
        <translation>Outside the top ten this time.</translation>
    </message>
    <message>
        <source>Graj dalej bez kadencji</source>
        <translation>Play on without a term</translation>
    </message>
    <message>
        <source>Graj dalej</source>
        <translation>Play on</translation>
    </message>
    <message>
        <source>Zamyka raport; gra toczy się dalej bez kadencji. Enter</source>
        <translation>Closes the report; the game goes on without a term. Enter</translation>
    </message>
    <message>
        <source>Raport kadencji</source>
        <translation>Term report</translation>
    </message>
    <message>
        <source>Ocena kadencji, jej miesiące i najlepsi dyrektorzy</source>
        <translation>The term’s rating, its months and the best managers</translation>
    </message>
    <message>
        <source>Okres kadencji</source>
        <translation>Term period</translation>
    </message>
    <message>
        <source>Ocena końcowa</source>
        <translation>Final rating</translation>
    </message>
    <message>
        <source>Najlepszy miesiąc</source>
        <translation>Best month</translation>
    </message>
    <message>
        <source>Najgorszy miesiąc</source>
        <translation>Worst month</translation>
    </message>
    <message>
        <source>Najlepsi dyrektorzy</source>
        <translation>Best managers</translation>
    </message>
    <message>
        <source>Miejsce w tabeli</source>
        <translation>Place in the table</translation>
    </message>
    <message>
        <source>Werdykt zarządu: firma w długach, dyrektor odwołany.</source>
        <translation>The board’s verdict: a company in debt, its manager dismissed.</translation>
    </message>
    <message>
        <source>Werdykt zarządu: znakomita kadencja, tak prowadzą firmę najlepsi.</source>
        <translation>The board’s verdict: an excellent term, the way the best run the company.</translation>
    </message>
    <message>
        <source>Werdykt zarządu: dobra kadencja, firma rośnie i zarabia.</source>
        <translation>The board’s verdict: a good term, the company grows and earns.</translation>
    </message>
    <message>
        <source>Werdykt zarządu: przyzwoita kadencja, jest co poprawiać.</source>
        <translation>The board’s verdict: a fair term, with room to improve.</translation>
    </message>
    <message>
        <source>Werdykt zarządu: słaba kadencja, firma ledwo się trzyma.</source>
        <translation>The board’s verdict: a weak term, the company barely holds on.</translation>
    </message>
    <message>
        <source>Werdykt zarządu: zła kadencja, firma traci pieniądze i abonentów.</source>
        <translation>The board’s verdict: a poor term, the company loses money and subscribers.</translation>
    </message>
    <message>
        <source>Werdykt zarządu</source>
        <translation>The board’s verdict</translation>
    </message>
</context>
<context>
    <name>dzwonex::TfrmLogo</name>
    <message>
        <source>Gra ekonomiczna</source>
        <translation>An economic game</translation>
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
        <translation>An economic game: a branch of a telephone company</translation>
    </message>
    <message>
        <source>Strony</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Mapa, Statystyka, Sprawy i Menu; Ctrl+1 do Ctrl+4</source>
        <translation>Map, Statistics, Cases and Menu; Ctrl+1 to Ctrl+4</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Statystyka</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Wybór strony; Ctrl+1 do Ctrl+4, Ctrl+Tab</source>
        <translation>Choice of page; Ctrl+1 to Ctrl+4, Ctrl+Tab</translation>
    </message>
    <message>
        <source>Strony w lewo</source>
        <translation>Pages to the left</translation>
    </message>
    <message>
        <source>Strony w prawo</source>
        <translation>Pages to the right</translation>
    </message>
    <message>
        <source>Przewija przyciski stron</source>
        <translation>Scrolls the page buttons</translation>
    </message>
    <message>
        <source>Miasto z abonentami: kliknij abonenta albo puste miejsce (Ctrl+1)</source>
        <translation>The town with its subscribers: click a subscriber or empty ground (Ctrl+1)</translation>
    </message>
    <message>
        <source>Kasa, opinia, jakość, abonenci, wydatki i wykres (Ctrl+2)</source>
        <translation>Cash, opinion, quality, subscribers, expenses and the chart (Ctrl+2)</translation>
    </message>
    <message>
        <source>Sprawy do odpowiedzi i ostatnie zmiany (Ctrl+3)</source>
        <translation>Cases to answer and recent changes (Ctrl+3)</translation>
    </message>
    <message>
        <source>Muzyka, język, pomoc (F1) i zapisane gry (Ctrl+4)</source>
        <translation>Music, language, help (F1) and saved games (Ctrl+4)</translation>
    </message>
    <message>
        <source>Odpowiedzi na stronie Sprawy (Ctrl+3)</source>
        <translation>Answers on the Cases page (Ctrl+3)</translation>
    </message>
</context>
</TS>
