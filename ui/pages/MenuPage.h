#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "Controls.h"
#include "Language.h"
#include "LazyPage.h"

namespace dzwonex {

// tabMenu: two boxes side by side in the middle of the page. "Menu": the
// music switch, the music and effects volumes, the language and the help.
// The milestones and the best terms beside the help. "Gra": save, load, a
// new game and going on with a kept one, and stopping the clock at each
// new case. The page
// only shows and asks: every choice goes out as a signal. Its controls are
// made when it is first shown.
class MenuPage : public TLazyPage {
    Q_OBJECT
public:
    explicit MenuPage(QWidget* parent = nullptr);

    // What the page shows, set without a signal.
    void ShowMusicOn(bool on);
    void ShowVolumes(int musicPercent, int effectsPercent);
    void ShowLanguage(Language language);
    // "Kontynuuj ostatnią grę" is on show only while there is a game to go on with.
    void ShowContinue(bool available);
    void ShowStartFromLast(bool on);
    void ShowStopOnNewCase(bool on);
    void RetranslateUi();

protected:
    void MakeControls() override;
    void LayOut() override { tabMenuResize(); }
    void ShowKept() override;

signals:
    void MusicSwitched(bool on);
    void MusicVolumeChanged(int percent);
    void EffectsVolumeChanged(int percent);
    void LanguagePicked(Language language);
    void HelpWanted();
    void AchievementsWanted();
    void SaveWanted();
    void LoadWanted();
    void NewGameWanted();
    void ContinueWanted();
    void KeptGamesWanted();
    void StartFromLastChanged(bool on);
    void StopOnNewCaseChanged(bool on);

private:
    void BuildMenuBox();
    void BuildGameBox();
    void LayoutMenuPanel();
    void PlaceGameBox();
    void tabMenuResize();
    void chkMuzykaClick();
    void cbJezykChange(int index);
    void ShowContinueButtons();

    // What the page was told while it had no controls.
    bool musicOn_ = true;
    int musicPercent_ = 0;
    int effectsPercent_ = 0;
    Language language_ = Language::Polish;
    bool continueAvailable_ = false;
    bool startFromLast_ = false;
    bool stopOnNewCase_ = false;

    TPanel* pnlMenu_ = nullptr;
    TShape* shapeMenu_ = nullptr;
    QLabel* lblMenu_ = nullptr;
    QCheckBox* chkMuzyka_ = nullptr;
    QLabel* lblGlosnoscMuzyki_ = nullptr;
    QSlider* tbMuzyka_ = nullptr;
    QLabel* lblGlosnoscEfektow_ = nullptr;
    QSlider* tbEfekty_ = nullptr;
    QLabel* lblJezyk_ = nullptr;
    QComboBox* cbJezyk_ = nullptr;
    QPushButton* btnPomoc_ = nullptr;
    QPushButton* btnOsiagniecia_ = nullptr;
    TShape* shapeGra_ = nullptr;
    QLabel* lblGra_ = nullptr;
    QPushButton* btnZapisz_ = nullptr;
    QPushButton* btnWczytaj_ = nullptr;
    QPushButton* btnNowaGra_ = nullptr;
    QPushButton* btnKontynuuj_ = nullptr;
    QPushButton* btnZachowane_ = nullptr;
    QCheckBox* chkOstatnia_ = nullptr;
    QCheckBox* chkZatrzymaj_ = nullptr;
};

}  // namespace dzwonex
