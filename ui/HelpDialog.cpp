#include "HelpDialog.h"

#include <QVBoxLayout>

#include "Controls.h"
#include "HelpText.h"

namespace dzwonex {

THelpDialog::THelpDialog(QWidget* parent)
    : QDialog(parent), text_(new QPlainTextEdit(this)), close_(new QPushButton(QStringLiteral("Zamknij"), this)) {
    setObjectName(QStringLiteral("frmPomoc"));
    setWindowTitle(QStringLiteral("Dzwonex \xE2\x80\x94 pomoc"));
    setFont(WindowFont());
    setAccessibleName(QStringLiteral("Pomoc"));
    setAccessibleDescription(QStringLiteral("Krótka pomoc do gry"));
    close_->setAccessibleName(QStringLiteral("Zamknij"));
    text_->setObjectName(QStringLiteral("memPomoc"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Read-only: no blinking caret, the keys still scroll.
    text_->setCursorWidth(0);
    // The columns of the key table line up in a fixed-pitch face.
    text_->setFont(CaseFont());
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setPlainText(QString::fromUtf8(GameHelp()));
    text_->setAccessibleName(QStringLiteral("Pomoc"));
    text_->setAccessibleDescription(QStringLiteral("Opis gry i klawiszy"));
    close_->setObjectName(QStringLiteral("btnZamknij"));
    close_->setDefault(true);
    close_->setAccessibleDescription(QStringLiteral("Zamyka pomoc"));
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addWidget(close_, 0, Qt::AlignRight);
    resize(660, 560);
}

}  // namespace dzwonex
