// The Menu page beyond the "Muzyka" box: volume sliders for the music and
// the effects, kept between games, the language, and the "Pomoc" button.
#include <algorithm>

#include <QSettings>

#include "Main.h"

namespace dzwonex {

namespace {

const QString kMusicKey = QStringLiteral("sound/musicVolume");
const QString kEffectsKey = QStringLiteral("sound/effectsVolume");

QSettings GameSettings() { return QSettings(QStringLiteral("dzwonex"), QStringLiteral("dzwonex")); }

int StoredVolume(const QString& key, int fallback) {
    bool ok = false;
    const int value = GameSettings().value(key, fallback).toInt(&ok);
    // A hand-edited file may hold anything.
    return ok ? std::clamp(value, 0, 100) : fallback;
}

}  // namespace

void TfrmMain::BuildMenuExtras() {
    auto caption = [this](const char* name, const QString& text) {
        auto* label = new QLabel(text, pnlMenu);
        label->setObjectName(QString::fromLatin1(name));
        return label;
    };
    auto slider = [this](const char* name, int value) {
        auto* s = new QSlider(Qt::Horizontal, pnlMenu);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 100);
        s->setSingleStep(5);
        s->setPageStep(10);
        s->setValue(value);
        return s;
    };
    lblGlosnoscMuzyki = caption("Label27", QString());
    tbMuzyka = slider("tbMuzyka", StoredVolume(kMusicKey, sound_->MusicVolume()));
    lblGlosnoscEfektow = caption("Label28", QString());
    tbEfekty = slider("tbEfekty", StoredVolume(kEffectsKey, sound_->EffectsVolume()));
    lblGlosnoscMuzyki->setBuddy(tbMuzyka);
    lblGlosnoscEfektow->setBuddy(tbEfekty);
    // Before the sound opens: it starts at these levels.
    sound_->SetMusicVolume(tbMuzyka->value());
    sound_->SetEffectsVolume(tbEfekty->value());
    connect(tbMuzyka, &QSlider::valueChanged, this, &TfrmMain::tbMuzykaChange);
    connect(tbEfekty, &QSlider::valueChanged, this, &TfrmMain::tbEfektyChange);

    // The same words in every language, so that a player lost in a
    // language he does not read finds his way back.
    lblJezyk = caption("lblJezyk", QString::fromUtf8("Język / Language"));
    cbJezyk = new QComboBox(pnlMenu);
    cbJezyk->setObjectName(QStringLiteral("cbJezyk"));
    cbJezyk->addItem(QStringLiteral("Polski"), QStringLiteral("pl"));
    cbJezyk->addItem(QStringLiteral("English"), QStringLiteral("en"));
    lblJezyk->setBuddy(cbJezyk);
    connect(cbJezyk, &QComboBox::activated, this, &TfrmMain::cbJezykChange);

    btnPomoc = new QPushButton(pnlMenu);
    btnPomoc->setObjectName(QStringLiteral("btnPomoc"));
    btnPomoc->setAutoDefault(false);
    connect(btnPomoc, &QPushButton::clicked, this, &TfrmMain::btnPomocClick);
    LayoutMenuPanel();
}

void TfrmMain::LayoutMenuPanel() {
    // The box grows down from the "Muzyka" box, which keeps its place; the
    // "Gra" box stands beside it and sizes the panel.
    pnlMenu->findChild<TShape*>(QStringLiteral("Shape4"))->setGeometry(8, 8, 225, 200);
    lblGlosnoscMuzyki->setGeometry(16, 64, 209, 13);
    tbMuzyka->setGeometry(16, 79, 209, 20);
    lblGlosnoscEfektow->setGeometry(16, 104, 209, 13);
    tbEfekty->setGeometry(16, 119, 209, 20);
    lblJezyk->setGeometry(16, 150, 101, 13);
    cbJezyk->setGeometry(120, 146, 105, 21);
    btnPomoc->setGeometry(75, 175, 91, 25);
    PlaceGameBox();
}

void TfrmMain::tbMuzykaChange(int percent) {
    sound_->SetMusicVolume(percent);
    GameSettings().setValue(kMusicKey, percent);
}

void TfrmMain::tbEfektyChange(int percent) {
    sound_->SetEffectsVolume(percent);
    GameSettings().setValue(kEffectsKey, percent);
}

void TfrmMain::btnPomocClick() { ShowHelp(); }

}  // namespace dzwonex
