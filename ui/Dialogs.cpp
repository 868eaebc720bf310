// The standard boxes and file dialogs the game asks through.
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include "GameOptions.h"

namespace dzwonex {

namespace {

class Dialogs {
    Q_DECLARE_TR_FUNCTIONS(dzwonex::Dialogs)
};

QString Filter() { return Dialogs::tr("Gra Dzwonex (*.dzwonex)"); }

}  // namespace

void ShowErrorBox(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Dzwonex"), message);
}

void OpenInDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

bool AskTakNie(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dzwonex"), question, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(Dialogs::tr("Tak"), QMessageBox::YesRole);
    box.addButton(Dialogs::tr("Nie"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString AskSaveFile(QWidget* parent, const QString& suggestion) {
    QFileDialog dialog(parent, Dialogs::tr("Zapisz grę"), suggestion, Filter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("dzwonex"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString AskOpenFile(QWidget* parent, const QString& folder) {
    return QFileDialog::getOpenFileName(parent, Dialogs::tr("Wczytaj grę"), folder, Filter());
}

}  // namespace dzwonex
