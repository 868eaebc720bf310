// The game's own texts, in Polish.
#include "Texts.h"

namespace dzwonex {

namespace {

const TextCatalogue kPolish = {
    .language = Language::Polish,
    .greetings =
        {
            "Panie kierowniku.",
            "Szanowny panie kierowniku.",
            "Panie dyrektorze.",
            "Szanowny panie dyrektorze.",
            "Panie prezesie.",
            "Szanowny panie prezesie.",
            "Szefie!",
        },
    .motivations =
        {
            "Prośbę swą motywuję tym, że stałe łącze potrzebne jest mojemu synowi do nauki ;)",
            "Prośbę swą motywuję tym, że stałe łącze potrzebne jest mojej córce do nauki ;)",
            "Prośbę swą motywuję tym, że od czasu do czasu chciałbym sobie ściągnąć parę obrazków albo filmików.",
            "Prośbę swą motywuję tym, że kupiłem sobie duży dysk i muszę sobie coś pościągać żeby go zapchać.",
            "Prośbę swą motywuję tym, iż zawsze marzyłem o tym, żeby mieć Internet i fajnie byłoby go mieć :))",
        },
    .closings = {"Pozdrawiam!", "Z wyrazami szacunku...", "Oczekuję na odpowiedź..."},
    .companies =
        {
            "Farma skakolotów",
            "Sklep monopolowy",
            "Agencja towarzyska \"Laska\"",
            "Stowarzyszenie niezadowolonych obywateli \"Cham\"",
            "Zarząd szaletów publicznych",
            "Przedsiębiorstwo wywozu nieczystości \"Bracia Strach\"",
        },
    .spyReports =
        {
            "Nasi szpiedzy odkryli, że jeden z abonentów bardzo zapycha łącze ściągając duże pliki.",
            "Nasi szpiedzy odkryli, że jeden z abonentów na okrągło ściąga filmy.",
            "Nasi szpiedzy odkryli, że jeden z abonentów ściąga dużo zbocznych obrazków, czym demoralizuje siebie i "
            "innych :)",
            "Nasi szpiedzy odkryli, że jeden z abonentów już od 10 lat nie płaci za telefon.",
        },
    .insults =
        {
            "Chciałem wam powiedzieć że jesteście do niczego, wasza firma jest głupia itp. itd. :))",
            "Chciałbym wyrazić moją opinię na temat waszej firmy. Oto ona:\r\nBłeeeeeeee\r\nJednym słowej jesteście do "
            "niczego.",
            "Jesteście głupia firma i nie lubię was !!!",
            "Jestem bardzo niezadowolony z polityki, jaką stosujecie wobec swoich abonentów.",
            "Jako szef jesteś do niczego.",
        },
    .praises =
        {
            "Muszę pochwalić was za bardzo słuszną politykę, jaką stosujecie wobez waszych abonentów.",
            "Jesteście bardzo fajną firmą i bardzo was lubię :)",
            "Pozdrowienia w imieniu zadowolonych abonentów z Lamerowa.",
            "Chciałem powiedzieć że jestem bardzo zadowolony ze świadczonych przez was usług.",
        },
    .envelope = "Do podania dołączam kopertę z {} licząc na Pana pomoc :)",
    .lines = {{
        {.title = "Podanie o SDI",
         .plainRequest =
             "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu SDI.",
         .bribeRequest =
             "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu SDI.",
         .spyQuestion = "Czy chcesz odłączyć temu abonentowi SDI?",
         .refusalTitle = "Odpowiedź na SDI",
         .refusal = "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
                    "technicznych potrzebnych do założenia łącza stałego SDI w tej lokalizacji.\r\n\r\n  "},
        {.title = "Podanie o Neostradę",
         .plainRequest =
             "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu Neostrada.",
         .bribeRequest =
             "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację stałego łącza do Internetu typu "
             "Neostrada.",
         .spyQuestion = "Czy chcesz odłączyć temu abonentowi Neostradę?",
         .refusalTitle = "Odpowiedź na Neostradę",
         .refusal = "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
                    "technicznych potrzebnych do założenia łącza stałego typu Neostrada w tej lokalizacji. Ta jakże "
                    "nowoczesna i wspaniała technologia jest dopiero w fazie testów w naszym kraju.\r\n\r\n  "},
        {.title = "Podanie o Polpak-T",
         .plainRequest =
             "Uprzejmie proszę o rozpatrzenie mojej prośby o instalację szerokopasmowego łącza do Internetu typu "
             "Polpak-T.",
         .bribeRequest =
             "Uprzejmie proszę o pozytywne rozpatrzenie mojej prośby o instalację szerokopasmowego łącza do Internetu "
             "typu Polpak-T.",
         .spyQuestion = nullptr,
         .refusalTitle = "Odpowiedź na Polpak-T",
         .refusal = "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
                    "technicznych potrzebnych do założenia szerokopasmowego łącza do Internetu typu Polpak-T w tej "
                    "lokalizacji.\r\n\r\n  "},
    }},
    .spyReportTitle = "Odłączenie abonenta",
    .raiseTitle = "Podwyżka",
    .raiseNote = "Jako pracownicy najlepszej na świecie firmy telekomunikacyjnej żądamy podwyżki!",
    .praiseTitle = "Pozdrowienia dla firmy",
    .insultTitle = "Bluzgi",
    .qualityUpTitle = "Jakość łączy",
    .qualityUpNote =
        "Wielu naszych abonentów narzeka ostatnio na jakość łączy internetowych, zrywane płączenia, prędkość "
        "transmisji itp. Czy chcesz zmodernizować sprzęt?",
    .qualityDownTitle = "Bluzgi",
    .qualityDownNote =
        "Wprawdzie nasi abonenci są zadowoleni z jakości naszych łączy, ale na ich utrzymanie potrzeba bardzo "
        "wiele pieniędzy. Czy chcesz obniżyć koszty utrzymania sprzętu?",
    .exchangeTitle = "Centrala",
    .exchangeNote = "Jedna z naszych central jest bardzo stara i powolna. Czy chcesz ją zmodernizować?",
    .branchTitle = "Nowy oddział",
    .branchNote =
        "Wpadliśmy ze Zbyszkiem na pomysł, żeby założyć nowy oddział naszej firmy. Czy dostaniemy twoje "
        "pozwolenie?",
    .idleExchangeTitle = "Niepotrzebna centrala",
    .idleExchangeNote = "Jedna z naszych central jest nało używana i praktycznie niepotrzebna. Czy chcesz ją zamknąć?",
    .highCostTitle = "Wysokie koszty",
    .highCostNote =
        "Koszty utrzymania nowoczesnego sprzętu i modernizacji starego są bardzo wysokie. Czy chcesz zmniejszyć "
        "środki na sprzęt?",
    .disconnectTitle = "Odłączenie abonenta",
    .disconnectQuestions =
        {
            "Czy na pewno chcesz odłączyć temu abonentowi łącze telefoniczne ?",
            "Czy na pewno chcesz odłączyć temu abonentowi łącze ISDN ?",
            "Czy na pewno chcesz odłączyć temu abonentowi łącze stałe SDI ?",
            "Czy na pewno chcesz odłączyć temu abonentowi Neostradę ?",
            "Czy na pewno chcesz odłączyć tej firmie łącze stałe typu Polpak-T ?!",
            "Czy na pewno chcesz usunąć tą budkę telefoniczną ?",
        },
    .boothTitle = "Postawnienie budki",
    .boothQuestion = "Czy na pewno chcesz postawić budkę telefoniczną w tej części miasta ?",
    .welcomeTitle = "Witaj !",
    .welcomeBody =
        "Witaj w grze ekonomicznej \"Dzwonex S.A.\".\r\n\r\n"
        "Poprowadź swój lokalny oddział tej wspaniałej firmy prostą drogą do rozwoju ekonomicznego i nie "
        "przejmuj się, co o Twojej firmie mówią inni...\r\n\r\n"
        "Miłego grania życzy...\r\n\r\n"
        "  Skryptor",
    .milestones = {{
        {"Sto linii ISDN", "100 abonentów ISDN."},
        {"Sto łączy SDI", "100 abonentów SDI."},
        {"Sto łączy Neostrady", "100 abonentów Neostrady."},
        {"Dziesięć łączy Polpak-T", "10 abonentów Polpak-T."},
        {"Dwa tysiące telefonów", "2 000 abonentów telefonicznych."},
        {"Dziesięć nowych budek", "O 10 budek telefonicznych więcej niż na początku gry."},
        {"Pełna oferta", "Po 50 abonentów telefonu, ISDN, SDI, Neostrady i Polpak-T."},
        {"Pierwszy milion", "1 000 000 zł w kasie."},
        {"Sto milionów", "100 000 000 zł w kasie."},
        {"Miesiąc na plusie", "30 dni z rzędu z dochodem większym niż wydatki."},
        {"Rok bez długów", "360 dni z rzędu bez długu na koniec dnia."},
        {"Wyjście z długów", "Kasa znów na plusie po co najmniej 30 dniach długu."},
        {"Pół roku dobrej opinii", "Opinia 5 lub więcej przez 180 dni z rzędu."},
        {"Ulubieniec miasta", "Opinia 50."},
        {"Nowoczesny sprzęt", "Jakość 20."},
        {"Czysta skrzynka", "Wszystkie sprawy załatwione w ostatnim dniu miesiąca."},
        {"Dobra firma", "Ocena firmy 700."},
        {"Wzorowa firma", "Ocena firmy 900."},
        {"Pięć lat na stanowisku", "Pięć lat gry."},
    }},
    .speedLine = "Szybkość gry: {}",
    .dateLine = "Rok: {}  Miesiąc: {}  Dzień: {}",
    .casesTab = "Sprawy ({})",
};

}  // namespace

const TextCatalogue& PolishTexts() { return kPolish; }

}  // namespace dzwonex
