#include "Main.h"

#include <algorithm>
#include <new>

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPainter>
#include <QShowEvent>

#include "HistoryChart.h"
#include "ImageFiles.h"
#include "Logo.h"
#include "Pictures.h"
#include "Platform.h"
#include "Shortcut.h"
#include "Translations.h"
#include "WideCheckBox.h"

namespace dzwonex {

namespace {

constexpr int kTopHeight = 60;
constexpr int kDownHeight = 25;
constexpr int kBannerWidth = 400;
constexpr int kBannerHeight = 50;
constexpr int kCasePanelWidth = 305;

QLabel* FixedLabel(QWidget* parent, const char* name, const QString& text, const QRect& bounds, bool bold = false,
                   Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (bold) label->setFont(WindowFont(true));
    label->setAlignment(align | Qt::AlignTop);
    label->setGeometry(bounds);
    SetPlannedWidth(label, bounds.width());
    ShowCaption(label, text);
    return label;
}

// A label as large as its text.
QLabel* AutoLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(at);
    label->adjustSize();
    return label;
}

TPanel* Panel(QWidget* parent, const char* name) {
    auto* panel = new TPanel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

TShape* Shape(QWidget* parent, const char* name, const QRect& bounds, const QColor& fill = kBoxFill) {
    auto* shape = new TShape(fill, kBoxFrame, parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setGeometry(bounds);
    return shape;
}

QColor NotePaper() { return QApplication::palette().color(QPalette::ToolTipBase); }
QColor NoteInk() { return QApplication::palette().color(QPalette::ToolTipText); }

}  // namespace

void ShowErrorBox(const QString& message) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Dzwonex"), message);
}

void OpenInDesktop(const QUrl& url) { QDesktopServices::openUrl(url); }

TfrmMain::TfrmMain(TfrmMainOptions options) : options_(std::move(options)) {
    setObjectName(QStringLiteral("frmMain"));
    sound_ = options_.sound ? std::move(options_.sound) : MakeGameSound();
    if (!options_.reportError) options_.reportError = ShowErrorBox;
    if (!options_.openUrl) options_.openUrl = OpenInDesktop;
    if (options_.appDir.empty()) options_.appDir = ExecutableDir();
    game_ = std::make_unique<Company>(*this, std::make_unique<Lcg32>(options_.seed ? *options_.seed : ClockSeed()));
    // Before any text is written, so the first letter is in it too.
    language_ = options_.language.value_or(StartLanguage());
    InstallLanguage(language_);

    BuildControls();
    FormCreate();
    RememberedStart();
    if (!startupFailed_) RecordHistory();
}

TfrmMain::~TfrmMain() {
    FormDestroy();
    MainTimer->stop();
    BannerTimer->stop();
    // The controls go while the game they show still exists.
    const QObjectList kids = children();
    for (QObject* child : kids)
        if (child->isWidgetType()) delete child;
}

// ---------------------------------------------------------------- layout

void TfrmMain::BuildControls() {
    setWindowTitle(QStringLiteral("Dzwonex"));
    setFont(WindowFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWhite);
    setPalette(pal);
    setAutoFillBackground(true);

    pnlTop = Panel(this, "pnlTop");
    pbBanner = new TPaintBox(pnlTop);
    pbBanner->setObjectName(QStringLiteral("pbBanner"));
    pbBanner->setCursor(Qt::PointingHandCursor);
    pbBanner->setGeometry(0, 5, kBannerWidth, kBannerHeight);
    pbBanner->OnPaint = [this](QPainter& painter) { pbBannerPaint(painter); };
    connect(pbBanner, &TPaintBox::MouseDown, this, [this](int, int) { pbBannerMouseDown(); });
    pnlTop->OnResize = [this] { pnlTopResize(); };

    pnlDown = Panel(this, "pnlDown");
    lblSpeed1 = FixedLabel(pnlDown, "lblSpeed1", QString(), {4, 6, 101, 13});
    progressSpeed = new TSpeedGauge(pnlDown);
    progressSpeed->setObjectName(QStringLiteral("progressSpeed"));
    progressSpeed->setGeometry(112, 4, 200, 17);
    connect(progressSpeed, &TSpeedGauge::MouseDown, this, &TfrmMain::progressSpeedMouseDown);
    connect(progressSpeed, &TSpeedGauge::MouseMove, this, &TfrmMain::progressSpeedMouseMove);
    connect(progressSpeed, &TSpeedGauge::MouseUp, this, &TfrmMain::progressSpeedMouseUp);
    lblSpeed2 = AutoLabel(pnlDown, "lblSpeed2", QStringLiteral("X"), {332, 6});

    // The controls are built without their words: RetranslateUi
    // (MainTexts.cpp) writes them in the language installed.
    PageControl = new TPageControl(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    BuildMapPage();
    BuildStatPage();
    BuildCasePage();
    BuildMenuPage();
    PageControl->AddPage(tabMap, QString());
    PageControl->AddPage(tabStat, QString());
    PageControl->AddPage(tabSprawy, QStringLiteral("X"));
    PageControl->AddPage(tabMenu, QString());
    PageControl->SetActivePage(kPageMenu);
    connect(PageControl, &TPageControl::Change, this, &TfrmMain::PageControlChange);
    // Once the case page is in the window: moving it there resets its chain.
    setTabOrder(btnOK, btnYes);
    setTabOrder(btnYes, btnNo);
    setTabOrder(btnNo, memSprawa);

    MainTimer = new QTimer(this);
    MainTimer->setObjectName(QStringLiteral("MainTimer"));
    // Days should come on time even at 20 s.
    MainTimer->setTimerType(Qt::PreciseTimer);
    connect(MainTimer, &QTimer::timeout, this, &TfrmMain::MainTimerTimer);
    BannerTimer = new QTimer(this);
    BannerTimer->setObjectName(QStringLiteral("BannerTimer"));
    connect(BannerTimer, &QTimer::timeout, this, &TfrmMain::BannerTimerTimer);
    BannerTimer->start(60000);

    resize(kDesignWidth, kDesignHeight);
    LayoutClient();
    BuildReadableControls();
    RetranslateUi();
}

void TfrmMain::BuildMapPage() {
    tabMap = Panel(nullptr, "tabMap");
    pnlLegenda = Panel(tabMap, "pnlLegenda");
    shapeLegenda = Shape(pnlLegenda, "shapeLegenda", {4, 4, 140, 165});
    FixedLabel(pnlLegenda, "Label1", QString(), {8, 8, 129, 13}, true, Qt::AlignHCenter);
    paintboxLegenda = new TLegendPaintBox(pictures_, pnlLegenda);
    paintboxLegenda->setObjectName(QStringLiteral("paintboxLegenda"));
    paintboxLegenda->setGeometry(12, 32, 16, 129);
    AutoLabel(pnlLegenda, "Label2", QString(), {36, 32});
    AutoLabel(pnlLegenda, "Label3", QStringLiteral("ISDN"), {36, 48});
    AutoLabel(pnlLegenda, "Label4", QStringLiteral("SDI"), {36, 64});
    AutoLabel(pnlLegenda, "Label5", QStringLiteral("Neostrada"), {36, 80});
    AutoLabel(pnlLegenda, "Label6", QStringLiteral("Polpak-T"), {36, 112});
    AutoLabel(pnlLegenda, "Label7", QString(), {36, 144});
    pnlLegenda->OnResize = [this] { pnlLegendaResize(); };

    scrollboxMapa = new QScrollArea(tabMap);
    scrollboxMapa->setObjectName(QStringLiteral("scrollboxMapa"));
    scrollboxMapa->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    scrollboxMapa->setWidgetResizable(false);
    scrollboxMapa->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paintboxMapa = new TMapPaintBox(pictures_, *game_);
    paintboxMapa->setObjectName(QStringLiteral("paintboxMapa"));
    paintboxMapa->resize(0, 0);
    scrollboxMapa->setWidget(paintboxMapa);
    connect(paintboxMapa, &TMapPaintBox::MouseDown, this, &TfrmMain::paintboxMapaMouseDown);
    paintboxMapa->BeforePaint = [this] { DecodeMap(); };

    // The legend is docked to the left, the map fills the rest.
    tabMap->OnResize = [this] {
        SetBounds(pnlLegenda, {0, 0, 150, tabMap->height()});
        SetBounds(scrollboxMapa, {150, 0, std::max(0, tabMap->width() - 150), tabMap->height()});
    };
}

void TfrmMain::BuildStatPage() {
    tabStat = Panel(nullptr, "tabStat");
    pnlStat = Panel(tabStat, "pnlStat");
    pnlStat->resize(377, 277);
    QWidget* p = pnlStat;
    const auto right = Qt::AlignRight;
    const auto centre = Qt::AlignHCenter;

    Shape(p, "Shape1", {104, 8, 169, 65});
    lblKasa = FixedLabel(p, "lblKasa", QStringLiteral("X"), {112, 16, 153, 13}, true, right);
    FixedLabel(p, "Label10", QString(), {112, 32, 65, 13}, true);
    lblOpinia = FixedLabel(p, "lblOpinia", QStringLiteral("X"), {184, 32, 81, 13}, true, right);
    FixedLabel(p, "Label11", QString(), {112, 48, 65, 13}, true);
    lblJakosc = FixedLabel(p, "lblJakosc", QStringLiteral("X"), {184, 48, 81, 13}, true, right);

    Shape(p, "Shape2", {8, 96, 169, 169});
    FixedLabel(p, "Label8", QString(), {16, 104, 153, 13}, true, centre);
    static const char* const rowNames[kKindCount] = {"Label9", "Label12", "Label13", "Label14", "Label15", "Label16"};
    // The product names are the same in every language; RetranslateUi
    // names the others.
    static const char* const rowTexts[kKindCount] = {"", "ISDN", "SDI", "Neostrada", "Polpak-T", ""};
    static const char* const countNames[kKindCount] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"};
    static constexpr int rowTops[kKindCount] = {128, 144, 160, 176, 208, 240};
    for (int i = 0; i < kKindCount; ++i) {
        FixedLabel(p, rowNames[i], QString::fromUtf8(rowTexts[i]), {16, rowTops[i], 97, 13});
        lblCounts[static_cast<size_t>(i)] =
            FixedLabel(p, countNames[i], QStringLiteral("X"), {120, rowTops[i], 49, 13}, false, right);
    }

    Shape(p, "Shape3", {200, 96, 169, 169});
    FixedLabel(p, "Label17", QString(), {208, 104, 153, 13}, true, centre);
    FixedLabel(p, "Label18", QString(), {208, 128, 97, 13});
    lblPracownicy = FixedLabel(p, "lblPracownicy", QStringLiteral("X"), {312, 128, 49, 13}, false, right);
    FixedLabel(p, "Label20", QString(), {208, 144, 97, 13});
    lblNaprawy = FixedLabel(p, "lblNaprawy", QStringLiteral("X"), {312, 144, 49, 13}, false, right);
    FixedLabel(p, "Label22", QString(), {208, 160, 97, 13});
    lblSprzet = FixedLabel(p, "lblSprzet", QStringLiteral("X"), {312, 160, 49, 13}, false, right);

    tabStat->OnResize = [this] { tabStatResize(); };
}

void TfrmMain::BuildCasePage() {
    tabSprawy = Panel(nullptr, "tabSprawy");
    pnlSprawa = Panel(tabSprawy, "pnlSprawa");
    pnlSprawa->setGeometry(0, 4, kCasePanelWidth, 0);

    shapeSprawa = Shape(pnlSprawa, "shapeSprawa", {8, 4, 289, 0}, NotePaper());
    lblTytul = FixedLabel(pnlSprawa, "lblTytul", QString(), {16, 12, 273, 13}, true, Qt::AlignHCenter);
    QPalette titlePal = lblTytul->palette();
    titlePal.setColor(QPalette::WindowText, NoteInk());
    lblTytul->setPalette(titlePal);

    memSprawa = new QPlainTextEdit(pnlSprawa);
    memSprawa->setObjectName(QStringLiteral("memSprawa"));
    memSprawa->setGeometry(20, 40, 265, 0);
    memSprawa->setFrameShape(QFrame::NoFrame);
    memSprawa->setReadOnly(true);
    memSprawa->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memSprawa->setFocusPolicy(Qt::StrongFocus);
    memSprawa->setTabChangesFocus(true);
    memSprawa->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memSprawa->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memSprawa->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memSprawa->setFont(CaseFont());
    memSprawa->document()->setDocumentMargin(1);
    QPalette memoPal = memSprawa->palette();
    memoPal.setColor(QPalette::Base, NotePaper());
    memoPal.setColor(QPalette::Text, NoteInk());
    memSprawa->setPalette(memoPal);

    auto button = [this](const char* name, int left, int width) {
        auto* b = new QPushButton(pnlSprawa);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 0, width, 25);
        b->setEnabled(false);
        b->setAutoDefault(false);
        return b;
    };
    btnYes = button("btnYes", 42, 67);
    btnOK = button("btnOK", 108, 91);
    btnNo = button("btnNo", 199, 67);
    connect(btnOK, &QPushButton::clicked, this, &TfrmMain::btnOKClick);
    connect(btnYes, &QPushButton::clicked, this, &TfrmMain::btnYesClick);
    connect(btnNo, &QPushButton::clicked, this, &TfrmMain::btnNoClick);
    pnlSprawa->OnResize = [this] { pnlSprawaResize(); };
    tabSprawy->OnResize = [this] { tabSprawyResize(); };
}

void TfrmMain::BuildMenuPage() {
    tabMenu = Panel(nullptr, "tabMenu");
    pnlMenu = Panel(tabMenu, "pnlMenu");
    pnlMenu->resize(241, 85);
    Shape(pnlMenu, "Shape4", {8, 8, 225, 65});
    FixedLabel(pnlMenu, "Label19", QString(), {16, 16, 209, 13}, true, Qt::AlignHCenter);
    chkMuzyka = new TWideCheckBox(pnlMenu);
    chkMuzyka->setObjectName(QStringLiteral("chkMuzyka"));
    chkMuzyka->setGeometry(16, 40, 209, 17);
    chkMuzyka->setChecked(true);
    QPalette boxPal = chkMuzyka->palette();
    boxPal.setColor(QPalette::Window, kBoxFill);
    boxPal.setColor(QPalette::WindowText, Qt::black);
    chkMuzyka->setPalette(boxPal);
    chkMuzyka->setBackgroundRole(QPalette::Window);
    chkMuzyka->setAutoFillBackground(true);
    // clicked, not toggled: only the player changes the box.
    connect(chkMuzyka, &QCheckBox::clicked, this, &TfrmMain::chkMuzykaClick);
    tabMenu->OnResize = [this] { tabMenuResize(); };
    BuildGameBox();
}

void TfrmMain::LayoutClient() {
    const int w = width();
    const int h = height();
    SetBounds(pnlTop, {0, 0, w, kTopHeight});
    SetBounds(pnlDown, {0, h - kDownHeight, w, kDownHeight});
    SetBounds(PageControl, {0, kTopHeight, w, std::max(0, h - kTopHeight - kDownHeight)});
    // The page control lays out its pages itself when it is visible; it
    // is not yet while the window is built.
    if (!PageControl->isVisible()) {
        for (int i = 0; i < 4; ++i) SetBounds(PageControl->Page(i), PageControl->PageRect());
    }
}

void TfrmMain::resizeEvent(QResizeEvent*) { LayoutClient(); }

// ------------------------------------------------------------ resize rules

void TfrmMain::pnlTopResize() { pbBanner->move(pnlTop->width() / 2 - kBannerWidth / 2, 5); }

void TfrmMain::tabStatResize() {
    // The panel stands in the top left corner, so the history chart gets
    // all the width and height beside it.
    pnlStat->move(0, 0);
    if (chartHistoria)
        SetBounds(chartHistoria, {pnlStat->width(), 4, std::max(0, tabStat->width() - pnlStat->width()),
                                  std::max(0, tabStat->height() - 4)});
}

void TfrmMain::tabSprawyResize() {
    SetBounds(pnlSprawa,
              {tabSprawy->width() / 2 - kCasePanelWidth / 2, 4, kCasePanelWidth, std::max(0, tabSprawy->height() - 8)});
}

void TfrmMain::pnlSprawaResize() {
    const int h = pnlSprawa->height();
    // A control cannot be less than empty: heights stop at 0.
    shapeSprawa->setGeometry(8, 4, 289, std::max(0, h - 4));
    const int t = h - btnYes->height() - 8;
    btnYes->move(42, t);
    btnOK->move(108, t);
    btnNo->move(199, t);
    memSprawa->setGeometry(20, 40, 265, std::max(0, h - 96));
}

void TfrmMain::tabMenuResize() {
    pnlMenu->move(tabMenu->width() / 2 - pnlMenu->width() / 2, tabMenu->height() / 2 - pnlMenu->height() / 2);
}

void TfrmMain::pnlLegendaResize() {
    shapeLegenda->setGeometry(4, 4, std::max(0, pnlLegenda->width() - 8), shapeLegenda->height());
}

// ------------------------------------------------------ start-up, shutdown

void TfrmMain::ReportError(const QString& message) { options_.reportError(message); }

void TfrmMain::FormCreate() {
    try {
        game_->Reset(options_.userName ? *options_.userName : LogonUserName());
        LoadGraphics();
        InitSound();
        if (game_->TextLanguage() != language_) game_->SetLanguage(language_);
        game_->NewGame();
    } catch (const std::bad_alloc&) {
        // Each file's loader says which file it was; this is the rest.
        startupFailed_ = true;
        ReportError(tr("Not enough memory to start the game."));
    } catch (const std::exception& e) {
        // The rest of the start-up is skipped.
        startupFailed_ = true;
        ReportError(QString::fromStdString(e.what()));
    }
}

void TfrmMain::LoadGraphics() {
    const std::string& dir = AssetDir();
    banners_ = LoadBitmap(dir + "Bannery.bmp").convertToFormat(QImage::Format_RGB32);
    game_->SetBannerStripHeight(banners_.height());
    // The whole map file is checked now, so a bad one stops the start-up
    // here; its full decoding waits until the window has been painted.
    const JpegSize map = mapFile_.Check(dir + "Mapa.jpg");
    mapPending_ = true;
    game_->SetMapPictureSize(map.width, map.height);
    for (int k = 1; k <= kKindCount; ++k)
        pictures_.icons[static_cast<size_t>(k - 1)] = WhiteTransparent(LoadBitmap(dir + std::to_string(k) + ".bmp"));
    paintboxLegenda->update();
}

void TfrmMain::DecodeMap() {
    if (!mapPending_) return;
    mapPending_ = false;
    try {
        pictures_.map = mapFile_.Decode();
    } catch (const FileError& e) {
        // Only when memory runs out; the map stays blank.
        ReportError(QString::fromStdString(e.what()));
    }
    // No repaint needed: a map on show got here from its own paint.
}

bool TfrmMain::event(QEvent* event) {
    // The first paint of the window: the map picture is decoded right after.
    if (event->type() == QEvent::Paint && mapPending_ && !mapQueued_) {
        mapQueued_ = true;
        QTimer::singleShot(0, this, &TfrmMain::DecodeMap);
    }
    return QWidget::event(event);
}

void TfrmMain::InitSound() { sound_->InitSound(AssetDir()); }

void TfrmMain::DoneSound() { sound_->DoneSound(); }

void TfrmMain::FreeGraphics() {
    mapPending_ = false;
    mapFile_ = {};
    for (QImage& icon : pictures_.icons) icon = QImage();
    pictures_.map = QImage();
    banners_ = QImage();
}

void TfrmMain::FormDestroy() {
    DoneSound();
    FreeGraphics();
    game_->Clear();
}

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        FormShow();
    }
}

void TfrmMain::FormShow() {
    // After the window has had its first paint; the timers run on meanwhile.
    if (options_.showLogo) QTimer::singleShot(0, this, &TfrmMain::ShowLogo);
}

void TfrmMain::ShowLogo() {
    TfrmLogo logo(AssetDir(), options_.reportError, options_.openUrl, this);
    logo.exec();
}

// --------------------------------------------------------------- handlers

void TfrmMain::pbBannerPaint(QPainter& painter) {
    if (banners_.isNull()) return;
    // The banner shown, unscaled; where the strip does not reach, the
    // white panel shows.
    const int top = game_->BannerIndex() * kBannerHeight;
    const QRect source = QRect(0, top, kBannerWidth, kBannerHeight) & banners_.rect();
    if (!source.isEmpty()) painter.drawImage(QPoint(source.left(), source.top() - top), banners_, source);
}

void TfrmMain::pbBannerMouseDown() {
    const QString path = QString::fromStdString(AssetDir() + "Banner.url");
    if (auto url = WebLinkFromShortcutFile(path)) options_.openUrl(*url);
}

void TfrmMain::paintboxMapaMouseDown(int x, int y) {
    game_->PressMap(x, y);
    TellMapPress();
}

void TfrmMain::progressSpeedMouseDown(int x) { game_->PressSpeedGauge(x); }

void TfrmMain::progressSpeedMouseMove(int x) { game_->DragSpeedGauge(x); }

void TfrmMain::progressSpeedMouseUp() { game_->ReleaseSpeedGauge(); }

void TfrmMain::PageControlChange() { game_->PageChangedByPlayer(); }

void TfrmMain::btnOKClick() {
    Reported([this] { game_->AnswerOk(); });
}

void TfrmMain::btnYesClick() {
    Reported([this] { game_->AnswerYes(); });
}

void TfrmMain::btnNoClick() {
    Reported([this] { game_->AnswerNo(); });
}

void TfrmMain::chkMuzykaClick() { sound_->chkMuzykaClick(chkMuzyka->isChecked()); }

void TfrmMain::MainTimerTimer() {
    Reported([this] { game_->NextDay(); });
    RecordHistory();
}

void TfrmMain::BannerTimerTimer() { game_->NextBanner(); }

// ------------------------------------------------------------------- view

void TfrmMain::SetText(Control control, const std::string& text) {
    const QString s = QString::fromStdString(text);
    switch (control) {
        case Control::lblKasa:
            lblKasa->setText(s);
            break;
        case Control::lblOpinia:
            lblOpinia->setText(s);
            break;
        case Control::lblJakosc:
            lblJakosc->setText(s);
            break;
        case Control::lbl1:
        case Control::lbl2:
        case Control::lbl3:
        case Control::lbl4:
        case Control::lbl5:
        case Control::lbl6:
            lblCounts[static_cast<size_t>(static_cast<int>(control) - static_cast<int>(Control::lbl1))]->setText(s);
            break;
        case Control::lblPracownicy:
            lblPracownicy->setText(s);
            break;
        case Control::lblNaprawy:
            lblNaprawy->setText(s);
            break;
        case Control::lblSprzet:
            lblSprzet->setText(s);
            break;
        case Control::lblSpeed1:
            lblSpeed1->setText(s);
            break;
        case Control::lblSpeed2:
            lblSpeed2->setText(s);
            lblSpeed2->adjustSize();
            break;
        case Control::lblTytul:
            lblTytul->setText(s);
            break;
        case Control::memSprawa: {
            QString body = s;
            body.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            memSprawa->setPlainText(body);
            break;
        }
        case Control::tabSprawy:
            PageControl->SetCaption(kPageCases, s);
            break;
    }
    TextShown(control);
}

void TfrmMain::SetButtonEnabled(Button button, bool enabled) {
    switch (button) {
        case Button::btnYes:
            btnYes->setEnabled(enabled);
            break;
        case Button::btnNo:
            btnNo->setEnabled(enabled);
            break;
        case Button::btnOK:
            btnOK->setEnabled(enabled);
            break;
    }
    ButtonsShown();
}

void TfrmMain::SetActivePage(int index) { PageControl->SetActivePage(index); }

void TfrmMain::RepaintMap() {
    // Qt merges every request made before the next paint into one, so a
    // burst of additions paints the map once.
    paintboxMapa->update();
}

void TfrmMain::RepaintBanner() { pbBanner->repaint(); }

void TfrmMain::SetMapSize(int width, int height) { paintboxMapa->resize(width, height); }

int TfrmMain::SpeedGaugeWidth() const { return progressSpeed->width(); }

void TfrmMain::SetSpeedPosition(int position) {
    progressSpeed->SetPosition(position);
    if (position > 0) resumeSpeed_ = position;
}

void TfrmMain::StartMainTimer(int periodMs) {
    // QTimer::start restarts a running timer, so an unchanged period must
    // leave it alone to keep its count.
    if (MainTimer->isActive() && MainTimer->interval() == periodMs) return;
    MainTimer->start(periodMs);
}

void TfrmMain::StopMainTimer() { MainTimer->stop(); }

void TfrmMain::PlayButtonSound() { sound_->PlayButtonSound(); }

void TfrmMain::PlayPageSound() { sound_->PlayPageSound(); }

void TfrmMain::PlayClickSound() { sound_->PlayClickSound(); }

}  // namespace dzwonex
