// The standard boxes and file dialogs the game asks through.
#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "GameOptions.h"

namespace dzwonex {

namespace {

class Dialogs {
    Q_DECLARE_TR_FUNCTIONS(dzwonex::Dialogs)
};

QString Filter() { return Dialogs::tr("Gra Dzwonex (*.dzwonex)"); }

}  // namespace

// A message names files and quotes what they hold: it is shown as plain
// text, never as markup whose pictures Qt would go and read.
void ShowErrorBox(const QString& message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Dzwonex"), QString(), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(message);
    box.exec();
}

void OpenInDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

bool AskBeforeDoing(QWidget* parent, const QString& question, const QString& doIt) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Dzwonex"), QString(), QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(question);
    QPushButton* go = box.addButton(doIt, QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(Dialogs::tr("Anuluj"), QMessageBox::RejectRole);
    // A key pressed by mistake must not answer a whole group.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == go;
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

QString AskKeptGame(QWidget* parent, const std::vector<KeptChoice>& games) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmZachowane"));
    dialog.setWindowTitle(Dialogs::tr("Zachowane gry"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("lstZachowane"));
    list->setAccessibleName(Dialogs::tr("Zachowane gry"));
    list->setAccessibleDescription(Dialogs::tr("Gry ostatnio grane, najnowsza na górze"));
    for (const KeptChoice& game : games) {
        auto* item = new QListWidgetItem(game.text, list);
        item->setData(Qt::UserRole, game.path);
    }
    list->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(&dialog);
    QPushButton* go = buttons->addButton(Dialogs::tr("Kontynuuj"), QDialogButtonBox::AcceptRole);
    buttons->addButton(Dialogs::tr("Anuluj"), QDialogButtonBox::RejectRole);
    go->setEnabled(!games.empty());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemActivated, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    layout->addWidget(buttons);
    dialog.resize(420, 260);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem()) return {};
    return list->currentItem()->data(Qt::UserRole).toString();
}

std::optional<QString> AskName(QWidget* parent, const QString& suggestion) {
    bool given = false;
    const QString name = QInputDialog::getText(
        parent, Dialogs::tr("Najlepsi dyrektorzy"),
        Dialogs::tr("Kadencja dobiega końca. Pod jakim nazwiskiem wpisać cię do tabeli najlepszych dyrektorów?"),
        QLineEdit::Normal, suggestion, &given);
    if (!given || name.simplified().isEmpty()) return std::nullopt;
    return name.simplified();
}

}  // namespace dzwonex
