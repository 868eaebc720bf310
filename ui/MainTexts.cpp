// The window's own words in the language installed, and the change of
// language: the window retranslated, the company told, the choice on the
// Menu page remembered.
#include <QEvent>
#include <QSettings>

#include "HelpDialog.h"
#include "HistoryChart.h"
#include "Main.h"
#include "Translations.h"

namespace dzwonex {

namespace {

const char* const kLanguageKey = "window/language";

struct Caption {
    const char* object;
    const char* text;
};

// Every caption of the window but the product names, which every language
// keeps, and the texts the company writes.
const Caption kCaptions[] = {
    {"Label1", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Legenda")},
    {"Label2", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Telefon/modem")},
    {"Label7", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Budka telefoniczna")},
    {"Label23", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Kasa")},
    {"Label10", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Opinia")},
    {"Label11", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Jakość")},
    {"Label8", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Abonenci")},
    {"Label9", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Telefon/modem")},
    {"Label16", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Budki telefoniczne")},
    {"Label17", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Wydatki")},
    {"Label18", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Pracownicy")},
    {"Label20", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Naprawy")},
    {"Label22", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Nowy sprzęt")},
    {"Label24", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Przychody")},
    {"Label25", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Razem")},
    {"Label26", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Bilans dnia")},
    {"btnYes", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Tak")},
    {"btnOK", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "OK")},
    {"btnNo", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Nie")},
    {"Label19", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Menu")},
    {"chkMuzyka", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Muzyka")},
    {"Label27", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Głośność muzyki")},
    {"Label28", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Głośność efektów")},
    {"btnPomoc", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Pomoc")},
    {"lblGra", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Gra")},
    {"btnZapisz", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Zapisz grę…")},
    {"btnWczytaj", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Wczytaj grę…")},
    {"btnNowaGra", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Nowa gra")},
    {"btnKontynuuj", QT_TRANSLATE_NOOP("dzwonex::TfrmMain", "Kontynuuj ostatnią grę")},
};

}  // namespace

Language TfrmMain::StartLanguage() {
    const QString chosen = QSettings().value(QString::fromLatin1(kLanguageKey)).toString();
    if (const auto language = LanguageFromCode(chosen.toStdString())) return *language;
    return LanguageOfLocale(QLocale());
}

void TfrmMain::cbJezykChange(int index) {
    const auto language = LanguageFromCode(cbJezyk->itemData(index).toString().toStdString());
    if (!language) return;
    QSettings().setValue(QString::fromLatin1(kLanguageKey), QString::fromLatin1(LanguageCode(*language)));
    SetLanguage(*language);
}

void TfrmMain::SetLanguage(Language language) {
    InstallLanguage(language);
    // At once: the change the installation announces comes later.
    ApplyLanguage(language);
}

void TfrmMain::ApplyLanguage(Language language) {
    language_ = language;
    // A company that never started has nothing to show.
    if (!startupFailed_ && game_->TextLanguage() != language) game_->SetLanguage(language);
    if (frmPomoc) frmPomoc->SetLanguage(language);
    RetranslateUi();
}

void TfrmMain::changeEvent(QEvent* event) {
    // Whoever installed a language, the window speaks it. The window's own
    // installations (at start and from the Menu) are applied already.
    if (event->type() == QEvent::LanguageChange && InstalledLanguage() != language_) ApplyLanguage(InstalledLanguage());
    QWidget::changeEvent(event);
}

void TfrmMain::RetranslateUi() {
    for (const Caption& c : kCaptions) {
        QWidget* control = findChild<QWidget*>(QString::fromLatin1(c.object));
        if (auto* label = qobject_cast<QLabel*>(control))
            ShowCaption(label, tr(c.text));
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(tr(c.text));
    }
    // The legend's names are as long as their text.
    for (const char* name : {"Label2", "Label7"}) findChild<QLabel*>(QString::fromLatin1(name))->adjustSize();
    PageControl->SetCaption(kPageMap, tr("Mapa"));
    PageControl->SetCaption(kPageStat, tr("Statystyka"));
    PageControl->SetCaption(kPageMenu, tr("Menu"));
    // Only the player's pick is heard (activated), not this one.
    cbJezyk->setCurrentIndex(cbJezyk->findData(QString::fromLatin1(LanguageCode(language_))));
    ShowDayAccount();
    chartHistoria->RetranslateUi();
    DescribeControls();
}

}  // namespace dzwonex
