#include "MenuPage.h"

#include <algorithm>

#include "WideCheckBox.h"

namespace dzwonex {

namespace {

QSlider* Volume(QWidget* parent, const char* name) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(0, 100);
    s->setSingleStep(5);
    s->setPageStep(10);
    return s;
}

// A check box on a box's fill, ticked by a press anywhere on it.
QCheckBox* BoxCheck(QWidget* parent, const char* name) {
    auto* box = new TWideCheckBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    QPalette pal = box->palette();
    pal.setColor(QPalette::Window, kBoxFill);
    pal.setColor(QPalette::WindowText, Qt::black);
    box->setPalette(pal);
    box->setBackgroundRole(QPalette::Window);
    box->setAutoFillBackground(true);
    return box;
}

QPushButton* MenuButton(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

MenuPage::MenuPage(QWidget* parent) : TLazyPage(parent) { setObjectName(QStringLiteral("tabMenu")); }

void MenuPage::MakeControls() {
    pnlMenu_ = Panel(this, "pnlMenu");
    BuildMenuBox();
    BuildGameBox();
    LayoutMenuPanel();
    pnlMenu_->show();
}

void MenuPage::ShowKept() {
    RetranslateUi();
    chkMuzyka_->setChecked(musicOn_);
    ShowVolumes(musicPercent_, effectsPercent_);
    ShowLanguage(language_);
    ShowContinueButtons();
    chkOstatnia_->setChecked(startFromLast_);
    chkZatrzymaj_->setChecked(stopOnNewCase_);
}

void MenuPage::BuildMenuBox() {
    QWidget* p = pnlMenu_;
    shapeMenu_ = Shape(p, "Shape4", {8, 8, 225, 65}, kBoxFill);
    lblMenu_ = FixedLabel(p, "Label19", QString(), {16, 16, 209, 13}, true, Qt::AlignHCenter);
    chkMuzyka_ = BoxCheck(p, "chkMuzyka");
    chkMuzyka_->setGeometry(16, 40, 209, 17);
    chkMuzyka_->setChecked(true);
    // clicked, not toggled: only the player changes the box.
    connect(chkMuzyka_, &QCheckBox::clicked, this, &MenuPage::chkMuzykaClick);

    lblGlosnoscMuzyki_ = AutoLabel(p, "Label27", QString(), {});
    tbMuzyka_ = Volume(p, "tbMuzyka");
    lblGlosnoscEfektow_ = AutoLabel(p, "Label28", QString(), {});
    tbEfekty_ = Volume(p, "tbEfekty");
    lblGlosnoscMuzyki_->setBuddy(tbMuzyka_);
    lblGlosnoscEfektow_->setBuddy(tbEfekty_);
    connect(tbMuzyka_, &QSlider::valueChanged, this, &MenuPage::MusicVolumeChanged);
    connect(tbEfekty_, &QSlider::valueChanged, this, &MenuPage::EffectsVolumeChanged);

    // The same words in every language, so that a player lost in a
    // language he does not read finds his way back.
    lblJezyk_ = AutoLabel(p, "lblJezyk", QString::fromUtf8("Język / Language"), {});
    cbJezyk_ = new QComboBox(p);
    cbJezyk_->setObjectName(QStringLiteral("cbJezyk"));
    cbJezyk_->addItem(QStringLiteral("Polski"), QStringLiteral("pl"));
    cbJezyk_->addItem(QStringLiteral("English"), QStringLiteral("en"));
    lblJezyk_->setBuddy(cbJezyk_);
    connect(cbJezyk_, &QComboBox::activated, this, &MenuPage::cbJezykChange);

    btnPomoc_ = MenuButton(p, "btnPomoc");
    connect(btnPomoc_, &QPushButton::clicked, this, &MenuPage::HelpWanted);
    btnOsiagniecia_ = MenuButton(p, "btnOsiagniecia");
    connect(btnOsiagniecia_, &QPushButton::clicked, this, &MenuPage::AchievementsWanted);
}

void MenuPage::BuildGameBox() {
    shapeGra_ = new TShape(kBoxFill, kBoxFrame, pnlMenu_);
    shapeGra_->setObjectName(QStringLiteral("shapeGra"));
    lblGra_ = FixedLabel(pnlMenu_, "lblGra", QString(), {}, true, Qt::AlignHCenter);
    btnZapisz_ = MenuButton(pnlMenu_, "btnZapisz");
    btnWczytaj_ = MenuButton(pnlMenu_, "btnWczytaj");
    btnNowaGra_ = MenuButton(pnlMenu_, "btnNowaGra");
    btnKontynuuj_ = MenuButton(pnlMenu_, "btnKontynuuj");
    btnKontynuuj_->setHidden(true);
    btnZachowane_ = MenuButton(pnlMenu_, "btnZachowane");
    btnZachowane_->setHidden(true);
    chkOstatnia_ = BoxCheck(pnlMenu_, "chkOstatnia");
    chkZatrzymaj_ = BoxCheck(pnlMenu_, "chkZatrzymaj");
    connect(btnZapisz_, &QPushButton::clicked, this, &MenuPage::SaveWanted);
    connect(btnWczytaj_, &QPushButton::clicked, this, &MenuPage::LoadWanted);
    connect(btnNowaGra_, &QPushButton::clicked, this, &MenuPage::NewGameWanted);
    connect(btnKontynuuj_, &QPushButton::clicked, this, &MenuPage::ContinueWanted);
    connect(btnZachowane_, &QPushButton::clicked, this, &MenuPage::KeptGamesWanted);
    connect(chkOstatnia_, &QCheckBox::clicked, this, &MenuPage::StartFromLastChanged);
    connect(chkZatrzymaj_, &QCheckBox::clicked, this, &MenuPage::StopOnNewCaseChanged);
}

void MenuPage::LayoutMenuPanel() {
    // The "Menu" box grows down from where the music switch always stood;
    // the "Gra" box stands beside it and sizes the panel.
    shapeMenu_->setGeometry(8, 8, 225, 200);
    lblGlosnoscMuzyki_->setGeometry(16, 64, 209, 13);
    tbMuzyka_->setGeometry(16, 79, 209, 20);
    lblGlosnoscEfektow_->setGeometry(16, 104, 209, 13);
    tbEfekty_->setGeometry(16, 119, 209, 20);
    lblJezyk_->setGeometry(16, 150, 101, 13);
    cbJezyk_->setGeometry(120, 146, 105, 21);
    btnPomoc_->setGeometry(16, 175, 101, 25);
    btnOsiagniecia_->setGeometry(124, 175, 101, 25);
    PlaceGameBox();
}

void MenuPage::PlaceGameBox() {
    // Beside the "Menu" box, as wide and level with it: the title, then one
    // row for each button on show.
    const QRect menuBox = shapeMenu_->geometry();
    const int left = menuBox.right() + 1 + 8;
    constexpr int kRowHeight = 25, kRowStep = 29;
    // As wide as the "Menu" box, or wider where a check box's caption needs it.
    int rowWidth = menuBox.width() - 16;
    for (const QCheckBox* box : {chkOstatnia_, chkZatrzymaj_}) rowWidth = std::max(rowWidth, box->sizeHint().width());
    lblGra_->setGeometry(left + 8, menuBox.top() + 8, rowWidth, 13);
    int top = menuBox.top() + 32;
    for (QWidget* b : std::initializer_list<QWidget*>{btnZapisz_, btnWczytaj_, btnNowaGra_, btnKontynuuj_,
                                                      btnZachowane_, chkOstatnia_, chkZatrzymaj_}) {
        if (b->isHidden()) continue;
        b->setGeometry(left + 8, top, rowWidth, kRowHeight);
        top += kRowStep;
    }
    const int bottom = std::max(top - kRowStep + kRowHeight + 8, menuBox.bottom() + 1);
    shapeGra_->setGeometry(left, menuBox.top(), rowWidth + 16, bottom - menuBox.top());
    pnlMenu_->resize(left + rowWidth + 16 + 8, bottom + 8);
    tabMenuResize();
}

void MenuPage::tabMenuResize() {
    pnlMenu_->move(width() / 2 - pnlMenu_->width() / 2, height() / 2 - pnlMenu_->height() / 2);
}

void MenuPage::ShowMusicOn(bool on) {
    musicOn_ = on;
    if (IsBuilt()) chkMuzyka_->setChecked(on);
}

void MenuPage::ShowVolumes(int musicPercent, int effectsPercent) {
    musicPercent_ = musicPercent;
    effectsPercent_ = effectsPercent;
    if (!IsBuilt()) return;
    const QSignalBlocker music(tbMuzyka_), effects(tbEfekty_);
    tbMuzyka_->setValue(musicPercent);
    tbEfekty_->setValue(effectsPercent);
}

void MenuPage::ShowLanguage(Language language) {
    language_ = language;
    // Only the player's pick is heard (activated), not this one.
    if (IsBuilt()) cbJezyk_->setCurrentIndex(cbJezyk_->findData(QString::fromLatin1(LanguageCode(language))));
}

void MenuPage::ShowContinue(bool available) {
    continueAvailable_ = available;
    if (IsBuilt()) ShowContinueButtons();
}

void MenuPage::ShowContinueButtons() {
    // The list shows what "Kontynuuj" would go on with, and more.
    if (btnKontynuuj_->isHidden() != continueAvailable_) return;
    btnKontynuuj_->setHidden(!continueAvailable_);
    btnZachowane_->setHidden(!continueAvailable_);
    PlaceGameBox();
}

void MenuPage::ShowStartFromLast(bool on) {
    startFromLast_ = on;
    if (IsBuilt()) chkOstatnia_->setChecked(on);
}

void MenuPage::ShowStopOnNewCase(bool on) {
    stopOnNewCase_ = on;
    if (IsBuilt()) chkZatrzymaj_->setChecked(on);
}

void MenuPage::chkMuzykaClick() { emit MusicSwitched(chkMuzyka_->isChecked()); }

void MenuPage::cbJezykChange(int index) {
    if (const auto language = LanguageFromCode(cbJezyk_->itemData(index).toString().toStdString()))
        emit LanguagePicked(*language);
}

void MenuPage::RetranslateUi() {
    Describe(this, tr("Menu"), tr("Muzyka, głośność, język, pomoc i zapisane gry"));
    if (!IsBuilt()) return;
    ShowCaption(lblMenu_, tr("Menu"));
    chkMuzyka_->setText(tr("Muzyka"));
    lblGlosnoscMuzyki_->setText(tr("Głośność muzyki"));
    lblGlosnoscEfektow_->setText(tr("Głośność efektów"));
    btnPomoc_->setText(tr("Pomoc"));
    btnOsiagniecia_->setText(tr("Osiągnięcia…"));
    ShowCaption(lblGra_, tr("Gra"));
    btnZapisz_->setText(tr("Zapisz grę…"));
    btnWczytaj_->setText(tr("Wczytaj grę…"));
    btnNowaGra_->setText(tr("Nowa gra"));
    btnKontynuuj_->setText(tr("Kontynuuj ostatnią grę"));
    btnZachowane_->setText(tr("Zachowane gry…"));
    chkOstatnia_->setText(tr("Zaczynaj od ostatniej gry"));
    chkZatrzymaj_->setText(tr("Zatrzymaj zegar przy nowym pytaniu"));
    // The "Gra" box fits the captions of this language.
    PlaceGameBox();

    Describe(pnlMenu_, tr("Menu"), tr("Ustawienia gry"));
    Describe(lblMenu_, tr("Menu"), tr("Nagłówek menu"));
    Describe(chkMuzyka_, tr("Muzyka"), tr("Włącza i wyłącza muzykę"));
    Describe(lblGlosnoscMuzyki_, tr("Głośność muzyki"), tr("Podpis suwaka"));
    Describe(tbMuzyka_, tr("Głośność muzyki"), tr("Od 0 do 100 procent"));
    Describe(lblGlosnoscEfektow_, tr("Głośność efektów"), tr("Podpis suwaka"));
    Describe(tbEfekty_, tr("Głośność efektów"), tr("Od 0 do 100 procent"));
    Describe(lblJezyk_, QString::fromUtf8("Język / Language"), tr("Podpis listy języków"));
    Describe(cbJezyk_, QString::fromUtf8("Język / Language"), tr("Język gry: polski albo angielski"));
    Describe(btnPomoc_, tr("Pomoc"), tr("Otwiera pomoc; klawisz F1"));
    Describe(btnOsiagniecia_, tr("Osiągnięcia"), tr("Osiągnięcia z datą zdobycia i najlepsi dyrektorzy"));
    Describe(lblGra_, tr("Gra"), tr("Nagłówek zapisanych gier"));
    Describe(btnZapisz_, tr("Zapisz grę"), tr("Zapisuje grę do pliku; Ctrl+S"));
    Describe(btnWczytaj_, tr("Wczytaj grę"), tr("Wczytuje zapisaną grę; Ctrl+O"));
    Describe(btnNowaGra_, tr("Nowa gra"), tr("Zaczyna od nowa z nową firmą; Ctrl+N"));
    Describe(btnKontynuuj_, tr("Kontynuuj ostatnią grę"), tr("Wraca do ostatnio granej firmy; Ctrl+K"));
    Describe(btnZachowane_, tr("Zachowane gry"), tr("Lista ostatnio granych firm, do wyboru"));
    Describe(chkOstatnia_, tr("Zaczynaj od ostatniej gry"), tr("Po uruchomieniu gra wraca do ostatnio granej firmy"));
    Describe(chkZatrzymaj_, tr("Zatrzymaj zegar przy nowym pytaniu"),
             tr("Gdy przyjdzie nowa sprawa, prędkość spada do 0; wznawia ją P albo pasek prędkości"));
    // What each button does, with its key, under the pointer.
    for (QWidget* control : std::initializer_list<QWidget*>{chkMuzyka_, btnPomoc_, btnZapisz_, btnWczytaj_, btnNowaGra_,
                                                            btnKontynuuj_, btnZachowane_, chkOstatnia_, chkZatrzymaj_})
        control->setToolTip(control->accessibleDescription());
}

}  // namespace dzwonex
