#include "HelpDialog.h"

#include <QVBoxLayout>

#include "Controls.h"
#include "HelpText.h"

namespace dzwonex {

THelpDialog::THelpDialog(Language language, QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)), close_(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmPomoc"));
    setFont(WindowFont());
    text_->setObjectName(QStringLiteral("memPomoc"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Read-only: no blinking caret, the keys still scroll.
    text_->setCursorWidth(0);
    // The columns of the key table line up in a fixed-pitch face.
    text_->setFont(CaseFont());
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    close_->setObjectName(QStringLiteral("btnZamknij"));
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);
    SetLanguage(language);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    // The widest line of either language without a sideways scroll.
    resize(700, 560);
}

void THelpDialog::SetLanguage(Language language) {
    setWindowTitle(tr("Dzwonex — Pomoc"));
    setAccessibleName(tr("Pomoc"));
    setAccessibleDescription(tr("Krótka pomoc do gry"));
    text_->setPlainText(QString::fromUtf8(GameHelp(language)));
    text_->setAccessibleName(tr("Pomoc"));
    text_->setAccessibleDescription(tr("Opis gry i klawiszy"));
    close_->setText(tr("Zamknij"));
    close_->setAccessibleName(tr("Zamknij"));
    close_->setAccessibleDescription(tr("Zamyka pomoc"));
}

}  // namespace dzwonex
