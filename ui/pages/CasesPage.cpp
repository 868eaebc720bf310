#include "CasesPage.h"

#include <algorithm>

#include <QApplication>

#include "FittedAmount.h"

namespace dzwonex {

namespace {

constexpr int kCasePanelWidth = 305;
// Narrower than this beside the letter, the log is not shown.
constexpr int kLeastLogWidth = 120;

QColor NotePaper() { return QApplication::palette().color(QPalette::ToolTipBase); }
QColor NoteInk() { return QApplication::palette().color(QPalette::ToolTipText); }

QPlainTextEdit* CaseText(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("memSprawa"));
    memo->setGeometry(20, 40, 265, 0);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFocusPolicy(Qt::StrongFocus);
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFont(CaseFont());
    memo->document()->setDocumentMargin(1);
    // Read-only: no caret, though the keys still select.
    memo->setCursorWidth(0);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, NotePaper());
    pal.setColor(QPalette::Text, NoteInk());
    memo->setPalette(pal);
    return memo;
}

QPlainTextEdit* ChangeLog(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("memZmiany"));
    memo->setReadOnly(true);
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setCursorWidth(0);
    return memo;
}

QPushButton* AnswerButton(QWidget* parent, const char* name, int left, int width) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 0, width, 25);
    b->setEnabled(false);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

CasesPage::CasesPage(QWidget* parent)
    : TPanel(parent),
      pnlSprawa_(Panel(this, "pnlSprawa")),
      shapeSprawa_(Shape(pnlSprawa_, "shapeSprawa", {8, 4, 289, 0}, NotePaper())),
      lblTytul_(FixedLabel(pnlSprawa_, "lblTytul", QString(), {16, 12, 273, 13}, true, Qt::AlignHCenter)),
      memSprawa_(CaseText(pnlSprawa_)),
      btnYes_(AnswerButton(pnlSprawa_, "btnYes", 42, 67)),
      btnOK_(AnswerButton(pnlSprawa_, "btnOK", 108, 91)),
      btnNo_(AnswerButton(pnlSprawa_, "btnNo", 199, 67)),
      lblZmiany_(FixedLabel(this, "lblOstatnieZmiany", QString(), {}, true)),
      memZmiany_(ChangeLog(this)) {
    setObjectName(QStringLiteral("tabSprawy"));
    pnlSprawa_->setGeometry(0, 4, kCasePanelWidth, 0);
    QPalette titlePal = lblTytul_->palette();
    titlePal.setColor(QPalette::WindowText, NoteInk());
    lblTytul_->setPalette(titlePal);
    connect(btnOK_, &QPushButton::clicked, this, &CasesPage::btnOKClick);
    connect(btnYes_, &QPushButton::clicked, this, &CasesPage::btnYesClick);
    connect(btnNo_, &QPushButton::clicked, this, &CasesPage::btnNoClick);
    pnlSprawa_->OnResize = [this] { pnlSprawaResize(); };
    OnResize = [this] { tabSprawyResize(); };
    ChainFocus();
    ButtonsShown();
}

void CasesPage::ChainFocus() {
    setTabOrder(btnOK_, btnYes_);
    setTabOrder(btnYes_, btnNo_);
    setTabOrder(btnNo_, memSprawa_);
    setTabOrder(memSprawa_, memZmiany_);
}

bool CasesPage::event(QEvent* event) {
    // Moving the page into the window resets its chain.
    if (event->type() == QEvent::ParentChange) ChainFocus();
    return TPanel::event(event);
}

void CasesPage::ShowTitle(const QString& title) { lblTytul_->setText(title); }

void CasesPage::ShowBody(const QString& body) {
    QString text = body;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    // The game's text stays as it is; only its display keeps each amount
    // on one line with its unit.
    memSprawa_->setPlainText(AmountsUnbroken(text));
}

void CasesPage::LogChange(const QString& entry) {
    changes_.prepend(entry);
    while (changes_.size() > kLogSize) changes_.removeLast();
    ShowChanges();
}

void CasesPage::ClearChanges() {
    changes_.clear();
    ShowChanges();
}

void CasesPage::ShowChanges() {
    QStringList shown;
    for (const QString& change : changes_) shown << AmountsUnbroken(change);
    // A blank line between entries, which may wrap.
    memZmiany_->setPlainText(shown.join(QStringLiteral("\n\n")));
}

QPushButton* CasesPage::ButtonOf(Button button) const {
    switch (button) {
        case Button::btnYes:
            return btnYes_;
        case Button::btnNo:
            return btnNo_;
        case Button::btnOK:
            break;
    }
    return btnOK_;
}

void CasesPage::SetButtonEnabled(Button button, bool enabled) {
    ButtonOf(button)->setEnabled(enabled);
    ButtonsShown();
}

void CasesPage::ButtonsShown() {
    btnOK_->setDefault(btnOK_->isEnabled());
    btnYes_->setDefault(!btnOK_->isEnabled() && btnYes_->isEnabled());
}

void CasesPage::AnswerByKey(Button button) {
    QPushButton* b = ButtonOf(button);
    if (b->isEnabled()) b->click();
}

void CasesPage::PressDefaultButton(bool answerCase) {
    // A focused button other than the case's own is pressed; otherwise
    // the case's default answer.
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused && focused->window() == window() && focused->isEnabled() && focused->isVisible()) {
        focused->click();
        return;
    }
    if (!answerCase) return;
    if (btnOK_->isEnabled())
        btnOK_->click();
    else if (btnYes_->isEnabled())
        btnYes_->click();
}

void CasesPage::btnOKClick() { emit OkClicked(); }

void CasesPage::btnYesClick() { emit YesClicked(); }

void CasesPage::btnNoClick() { emit NoClicked(); }

void CasesPage::tabSprawyResize() {
    SetBounds(pnlSprawa_, {width() / 2 - kCasePanelWidth / 2, 4, kCasePanelWidth, std::max(0, height() - 8)});
    PlaceLog();
}

void CasesPage::PlaceLog() {
    // In the room right of the letter, level with its title.
    const int left = pnlSprawa_->geometry().right() + 1 + 4;
    const int w = width() - 4 - left;
    const bool room = w >= kLeastLogWidth && height() >= 80;
    lblZmiany_->setVisible(room);
    memZmiany_->setVisible(room);
    if (!room) return;
    lblZmiany_->setGeometry(left, 12, w, 13);
    memZmiany_->setGeometry(left, 32, w, height() - 32 - 8);
}

void CasesPage::pnlSprawaResize() {
    const int h = pnlSprawa_->height();
    // A control cannot be less than empty: heights stop at 0.
    shapeSprawa_->setGeometry(8, 4, 289, std::max(0, h - 4));
    const int t = h - btnYes_->height() - 8;
    btnYes_->move(42, t);
    btnOK_->move(108, t);
    btnNo_->move(199, t);
    memSprawa_->setGeometry(20, 40, 265, std::max(0, h - 96));
}

void CasesPage::RetranslateUi() {
    btnYes_->setText(tr("Tak"));
    btnOK_->setText(tr("OK"));
    btnNo_->setText(tr("Nie"));
    ShowCaption(lblZmiany_, tr("Ostatnie zmiany"));
    Describe(this, tr("Sprawy"), tr("Skrzynka spraw: pierwsza sprawa i odpowiedzi"));
    Describe(pnlSprawa_, tr("Sprawa"), tr("Pierwsza sprawa w skrzynce"));
    Describe(lblTytul_, tr("Tytuł sprawy"), tr("Tytuł pierwszej sprawy"));
    Describe(memSprawa_, tr("Treść sprawy"), tr("Treść pierwszej sprawy"));
    Describe(btnYes_, tr("Tak"), tr("Zgoda na sprawę; klawisz T"));
    Describe(btnOK_, tr("OK"), tr("Przyjęcie wiadomości; klawisz O"));
    Describe(btnNo_, tr("Nie"), tr("Odmowa; klawisz N"));
    Describe(lblZmiany_, tr("Ostatnie zmiany"), tr("Nagłówek listy zmian"));
    Describe(memZmiany_, tr("Ostatnie zmiany"), tr("Co zmieniły ostatnie odpowiedzi i dni, najnowsze na górze"));
}

}  // namespace dzwonex
