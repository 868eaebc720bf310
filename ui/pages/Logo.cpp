#include "Logo.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "ImageFiles.h"
#include "Pictures.h"
#include "Shortcut.h"
#include "Translations.h"
#include "WordedError.h"

namespace dzwonex {

TfrmLogo::TfrmLogo(const std::string& appDir, ErrorReporter reportError, UrlOpener openUrl, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      appDir_(appDir),
      reportError_(std::move(reportError)),
      openUrl_(std::move(openUrl)) {
    setObjectName(QStringLiteral("frmLogo"));
    setFixedSize(kWidth, kHeight);
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWhite);
    pal.setColor(QPalette::WindowText, QPalette().color(QPalette::WindowText));
    setPalette(pal);
    setAutoFillBackground(true);

    imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(16, 8, 90, 90);
    // Natural size from the top-left corner; whatever is larger is cut off.
    imgLogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Label1 = new QLabel(QStringLiteral("Dzwonex S.A."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont nameFont;
    nameFont.setFamilies(FirstInstalled({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}));
    nameFont.setStyleHint(QFont::SansSerif);
    nameFont.setPixelSize(16);
    nameFont.setBold(true);
    nameFont.setItalic(true);
    Label1->setFont(nameFont);
    QPalette namePal = Label1->palette();
    namePal.setColor(QPalette::WindowText, QColor(0, 64, 128));
    Label1->setPalette(namePal);
    Label1->move(112, 80);
    Label1->adjustSize();

    Label3 = new QLabel(tr("Gra ekonomiczna"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(112, 96, 257, 13);
    Label3->setAlignment(Qt::AlignRight | Qt::AlignTop);

    Label5 = new TPressLabel(QString::fromLatin1(kMailLink), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont linkFont = WindowFont();
    linkFont.setUnderline(true);
    Label5->setFont(linkFont);
    Label5->setCursor(Qt::PointingHandCursor);
    Label5->move(16, 168);
    Label5->adjustSize();
    connect(Label5, &TPressLabel::MouseDown, this, &TfrmLogo::Label5MouseDown);

    Label2 = new TPressLabel(tr("OK"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont okFont = WindowFont(true);
    okFont.setUnderline(true);
    Label2->setFont(okFont);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setGeometry(168, 240, 50, 13);
    connect(Label2, &TPressLabel::MouseDown, this, &TfrmLogo::Label2MouseDown);

    // Every key reaches the dialog, whichever control has the focus.
    for (QObject* child : children())
        if (child->isWidgetType()) child->installEventFilter(this);

    FormCreate();
}

void TfrmLogo::FormCreate() {
    try {
        imgLogo->setPixmap(QPixmap::fromImage(LoadBitmap(appDir_ + "Logo.bmp")));
    } catch (const FileError& e) {
        // The dialog opens all the same, without its picture.
        if (reportError_) reportError_(QString::fromStdString(Worded(e, InstalledLanguage())));
    }
}

void TfrmLogo::FormKeyDown() { done(QDialog::Accepted); }

void TfrmLogo::Label2MouseDown() { done(QDialog::Accepted); }

void TfrmLogo::Label5MouseDown() {
    // Only the mail address is handed on; the dialog stays open.
    if (auto url = MailLink(Label5->text()); url && openUrl_) openUrl_(*url);
}

void TfrmLogo::paintEvent(QPaintEvent*) {
    // A dotted focus frame one pixel inside the edges, drawn by inverting
    // every other pixel: columns 1 and width-2, rows 1 and height-2.
    const int left = 1, top = 1, right = width() - 2, bottom = height() - 2;
    QPolygon dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0) dots << QPoint(x, y);
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        if (bottom != top) dot(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        dot(left, y);
        if (right != left) dot(right, y);
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QColor(255, 255, 255));
    painter.drawPoints(dots);
}

void TfrmLogo::keyPressEvent(QKeyEvent* event) {
    event->accept();
    FormKeyDown();
}

bool TfrmLogo::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        event->accept();
        FormKeyDown();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmLogo::showEvent(QShowEvent* event) {
    // In the middle of the screen, not over the main window.
    QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen) move(screen->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

}  // namespace dzwonex
