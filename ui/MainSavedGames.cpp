// The window's saved games and remembered settings: the "Gra" box on the
// Menu page, the file dialogs, the game kept when the window closes, and the
// music switch and window geometry kept between starts.
#include <algorithm>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStandardPaths>

#include "HistoryChart.h"
#include "Main.h"
#include "Platform.h"
#include "SavedGame.h"

namespace dzwonex {

namespace {

const char* const kMusicKey = "sound/music";
const char* const kGeometryKey = "window/geometry";

QString Filter() { return TfrmMain::tr("Gra Dzwonex (*.dzwonex)"); }

QString StartFolder() { return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation); }

// A path as the file system spells it.
std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

QString AskSaveFile(QWidget* parent) {
    QFileDialog dialog(parent, TfrmMain::tr("Zapisz grę"), StartFolder(), Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dzwonex"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool AskTakNie(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dzwonex"), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(TfrmMain::tr("Tak"), QMessageBox::YesRole);
    box.addButton(TfrmMain::tr("Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString AskOpenFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, TfrmMain::tr("Wczytaj grę"), StartFolder(), Filter());
}

void TfrmMain::BuildGameBox() {
    if (!options_.askSavePath) options_.askSavePath = AskSaveFile;
    if (!options_.askOpenPath) options_.askOpenPath = AskOpenFile;
    if (!options_.confirm) options_.confirm = AskTakNie;

    shapeGra = new TShape(kBoxFill, kBoxFrame, pnlMenu);
    shapeGra->setObjectName(QStringLiteral("shapeGra"));
    auto* title = new QLabel(pnlMenu);
    title->setObjectName(QStringLiteral("lblGra"));
    title->setFont(WindowFont(true));
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto button = [this](const char* name, void (TfrmMain::*click)()) {
        auto* b = new QPushButton(pnlMenu);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, click);
        return b;
    };
    btnZapisz = button("btnZapisz", &TfrmMain::btnZapiszClick);
    btnWczytaj = button("btnWczytaj", &TfrmMain::btnWczytajClick);
    btnNowaGra = button("btnNowaGra", &TfrmMain::btnNowaGraClick);
    btnKontynuuj = button("btnKontynuuj", &TfrmMain::btnKontynuujClick);
    btnKontynuuj->setHidden(!QFileInfo::exists(AutosavePath()));

    const std::pair<QKeySequence, void (TfrmMain::*)()> keys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), &TfrmMain::btnZapiszClick},
        {QKeySequence(Qt::CTRL | Qt::Key_O), &TfrmMain::btnWczytajClick},
        {QKeySequence(Qt::CTRL | Qt::Key_N), &TfrmMain::btnNowaGraClick},
    };
    for (const auto& [key, click] : keys) connect(new QShortcut(key, this), &QShortcut::activated, this, click);

    // The switch is remembered as the player leaves it.
    connect(chkMuzyka, &QCheckBox::clicked, this, [](bool ticked) { QSettings().setValue(kMusicKey, ticked); });
    PlaceGameBox();
}

void TfrmMain::PlaceGameBox() {
    // Beside the "Menu" box, as wide and level with it: the title, then one
    // row for each button on show.
    const QRect menuBox = pnlMenu->findChild<TShape*>(QStringLiteral("Shape4"))->geometry();
    const int left = menuBox.right() + 1 + 8;
    constexpr int kRowHeight = 25, kRowStep = 29;
    pnlMenu->findChild<QLabel*>(QStringLiteral("lblGra"))->setGeometry(left + 8, menuBox.top() + 8, 209, 13);
    int top = menuBox.top() + 32;
    for (QPushButton* b : {btnZapisz, btnWczytaj, btnNowaGra, btnKontynuuj}) {
        if (b->isHidden()) continue;
        b->setGeometry(left + 8, top, 209, kRowHeight);
        top += kRowStep;
    }
    const int bottom = std::max(top - kRowStep + kRowHeight + 8, menuBox.bottom() + 1);
    shapeGra->setGeometry(left, menuBox.top(), menuBox.width(), bottom - menuBox.top());
    pnlMenu->resize(left + menuBox.width() + 8, bottom + 8);
    tabMenuResize();
}

void TfrmMain::RememberedStart() {
    QSettings settings;
    if (const QByteArray geometry = settings.value(kGeometryKey).toByteArray(); !geometry.isEmpty())
        restoreGeometry(geometry);
    if (startupFailed_) return;
    if (!settings.value(kMusicKey, true).toBool()) {
        chkMuzyka->setChecked(false);
        sound_->chkMuzykaClick(false);
    }
    if (options_.loadPath) LoadGameFrom(*options_.loadPath);
}

QString TfrmMain::AutosavePath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/ostatnia-gra.dzwonex");
}

bool TfrmMain::SaveGameTo(const QString& path) {
    try {
        SaveGame(FileName(path), {game_->Snapshot(), history_.Saved()});
        return true;
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(e.what()));
        return false;
    }
}

bool TfrmMain::LoadGameFrom(const QString& path) {
    try {
        RestoreGame(*game_, history_, FileName(path));
    } catch (const SavedGameError& e) {
        ReportError(QString::fromStdString(e.what()));
        return false;
    }
    // The company's course comes with it; a game of format 1 starts one.
    if (history_.Empty())
        RecordHistory();
    else
        chartHistoria->Show(history_);
    // As a new game does: the game is turned to its cases, without a sound.
    SetActivePage(kPageCases);
    return true;
}

void TfrmMain::btnZapiszClick() {
    if (startupFailed_) return;
    if (const QString path = options_.askSavePath(this); !path.isEmpty()) SaveGameTo(path);
}

void TfrmMain::btnWczytajClick() {
    if (startupFailed_) return;
    if (const QString path = options_.askOpenPath(this); !path.isEmpty()) LoadGameFrom(path);
}

void TfrmMain::btnNowaGraClick() {
    if (startupFailed_) return;
    // A slip of Ctrl+N must not cost hours of play.
    if (!options_.confirm(this, tr("Zacząć nową grę? Obecna gra przepadnie, jeśli jej nie zapiszesz."))) return;
    // Replaces the game; the generator goes on where it stands.
    game_->Reset(game_->AssetDir(), options_.userName ? *options_.userName : LogonUserName());
    game_->NewGame();
    history_.Clear();
    RecordHistory();
}

void TfrmMain::btnKontynuujClick() {
    if (startupFailed_) return;
    LoadGameFrom(AutosavePath());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    QSettings().setValue(kGeometryKey, saveGeometry());
    if (!startupFailed_) {
        // A failure is told, and the window still closes: the earlier kept
        // game is left as it was.
        const QString path = AutosavePath();
        if (!QDir().mkpath(QFileInfo(path).path()))
            ReportError(tr("The game could not be saved to %1: cannot make its folder.").arg(path));
        else if (SaveGameTo(path) && btnKontynuuj->isHidden()) {
            btnKontynuuj->setHidden(false);
            PlaceGameBox();
        }
    }
    event->accept();
}

}  // namespace dzwonex
