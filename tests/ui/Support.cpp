#include "Support.h"

#include <algorithm>
#include <cstdlib>

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
void PrintTo(const QPoint& p, std::ostream* os) { *os << "QPoint(" << p.x() << ", " << p.y() << ")"; }
void PrintTo(const QSize& s, std::ostream* os) { *os << "QSize(" << s.width() << ", " << s.height() << ")"; }
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
void PrintTo(const QColor& c, std::ostream* os) {
    *os << "QColor(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
void PrintTo(const QUrl& u, std::ostream* os) { *os << "QUrl(" << u.toString().toStdString() << ")"; }

namespace dzwonex::uitest {

QColor IconColour(int kind) {
    static const QColor colours[kKindCount] = {
        {0, 0, 255}, {255, 128, 0}, {128, 0, 128}, {0, 160, 160}, {128, 64, 0}, {200, 200, 0},
    };
    return colours[kind - 1];
}

namespace {
void SaveOrFail(const QImage& image, const QString& path, const char* format) {
    if (!image.save(path, format)) {
        fprintf(stderr, "cannot write the test picture %s\n", qPrintable(path));
        std::abort();
    }
}
}  // namespace

TestAssets::TestAssets() {
    QImage map(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) map.setPixel(x, y, qRgb(x * 255 / 640, y * 255 / 480, 160));
    SaveOrFail(map, File("Mapa.jpg"), "JPG");

    QImage strip(400, 120, QImage::Format_RGB32);
    strip.fill(kStripTail);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 400; ++x) strip.setPixelColor(x, y, y < 50 ? kBand0 : kBand1);
    SaveOrFail(strip, File("Bannery.bmp"), "BMP");

    for (int k = 1; k <= kKindCount; ++k) {
        QImage icon(16, 16, QImage::Format_RGB32);
        icon.fill(IconColour(k));
        if (k == skBooth)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 8; ++x) icon.setPixel(x, y, qRgb(255, 255, 255));
        SaveOrFail(icon, File(QString::number(k) + ".bmp"), "BMP");
    }

    QImage logo(90, 90, QImage::Format_RGB32);
    logo.fill(QColor(40, 90, 40));
    SaveOrFail(logo, File("Logo.bmp"), "BMP");

    Write("Banner.url", "[InternetShortcut]\r\nURL=https://dzwonex.example/reklama\r\n");
}

std::string TestAssets::Dir() const { return dir_.path().toStdString() + "/"; }

QString TestAssets::File(const QString& name) const { return dir_.filePath(name); }

void TestAssets::Remove(const QString& name) const { QFile::remove(File(name)); }

void TestAssets::Write(const QString& name, const QByteArray& bytes) const {
    QFile file(File(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) std::abort();
}

int SoundLog::Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
}

WindowUnderTest::WindowUnderTest(const std::string& appDir, uint32_t seed, bool showLogo,
                                 const std::function<void(TfrmMainOptions&)>& adjust) {
    TfrmMainOptions options;
    options.appDir = appDir;
    options.userName = "Tester";
    options.seed = seed;
    options.sound = std::make_unique<RecordingSound>(sound);
    options.reportError = [errors = errors](const QString& message) { errors->push_back(message); };
    options.openUrl = [urls = urls](const QUrl& url) { urls->push_back(url); };
    options.showLogo = showLogo;
    // The tests read the Polish texts, whatever the machine's language.
    options.language = Language::Polish;
    options.confirm = [questions = questions, answer = answer](QWidget*, const QString& question, const QString& doIt) {
        questions->push_back(question + QStringLiteral(" [") + doIt + QStringLiteral("]"));
        return *answer;
    };
    options.askTerm = [questions = questions, answer = answer, years = termYears](
                          QWidget*, const QString& question) -> std::optional<int32_t> {
        questions->push_back(question);
        if (!*answer) return std::nullopt;
        return *years;
    };
    options.askName = [names = names, name = playerName](QWidget*, const QString& suggestion) {
        names->push_back(suggestion);
        return *name;
    };
    if (adjust) adjust(options);
    window = std::make_unique<TfrmMain>(std::move(options));
    FindControls();
}

Screen WindowUnderTest::Pages() const {
    TfrmMain* w = window.get();
    return {w,
            pnlTop,
            pnlDown,
            PageControl,
            Control<MapPage>(w, "tabMap"),
            Control<StatisticsPage>(w, "tabStat"),
            Control<CasesPage>(w, "tabSprawy"),
            Control<MenuPage>(w, "tabMenu"),
            Control<TermReportPage>(w, "pnlRaport"),
            Control<TMilestonePanel>(w, "pnlOsiagniecie")};
}

ToldWindow::ToldWindow(WindowUnderTest& w) : window(w), router(w->Controller().Clock(), sound) {
    router.Attach(w.Pages());
    router.Follow(w->Controller().Session());
}

void ToldWindow::RecordDay() {
    window->Controller().Session().AfterDay();
    router.ShowCourse();
}

void WindowUnderTest::FindControls() {
    TfrmMain* w = window.get();
    pnlTop = Control<BannerBar>(w, "pnlTop");
    pbBanner = Control<TPaintBox>(w, "pbBanner");
    pnlDown = Control<StatusBar>(w, "pnlDown");
    lblSpeed1 = Control<QLabel>(w, "lblSpeed1");
    progressSpeed = Control<TSpeedGauge>(w, "progressSpeed");
    lblSpeed2 = Control<QLabel>(w, "lblSpeed2");
    lblZmiany = Control<TFeedbackLine>(w, "lblZmiany");
    PageControl = Control<TPageControl>(w, "PageControl");
    tabMap = Control<TPanel>(w, "tabMap");
    // Pages make their controls when first shown; the tests read them from the start.
    Control<MapPage>(w, "tabMap")->Build();
    pnlLegenda = Control<TPanel>(w, "pnlLegenda");
    shapeLegenda = Control<TShape>(w, "shapeLegenda");
    paintboxLegenda = Control<TLegendPaintBox>(w, "paintboxLegenda");
    legendHover = Control<TLegendHover>(w, "legendHover");
    scrollboxMapa = Control<QScrollArea>(w, "scrollboxMapa");
    paintboxMapa = Control<TMapPaintBox>(w, "paintboxMapa");
    tabStat = Control<TPanel>(w, "tabStat");
    Control<StatisticsPage>(w, "tabStat")->Build();
    pnlStat = Control<TPanel>(w, "pnlStat");
    lblKasa = Control<QLabel>(w, "lblKasa");
    lblKasaOpis = Control<QLabel>(w, "Label23");
    lblOpinia = Control<QLabel>(w, "lblOpinia");
    lblJakosc = Control<QLabel>(w, "lblJakosc");
    static const char* const counts[kKindCount] = {"lbl1", "lbl2", "lbl3", "lbl4", "lbl5", "lbl6"};
    for (size_t k = 0; k < kKindCount; ++k) lblCounts[k] = Control<QLabel>(w, counts[k]);
    lblPracownicy = Control<QLabel>(w, "lblPracownicy");
    lblNaprawy = Control<QLabel>(w, "lblNaprawy");
    lblSprzet = Control<QLabel>(w, "lblSprzet");
    lblPrzychody = Control<QLabel>(w, "lblPrzychody");
    lblWydatki = Control<QLabel>(w, "lblWydatki");
    lblBilans = Control<QLabel>(w, "lblBilans");
    chartHistoria = Control<THistoryChart>(w, "chartHistoria");
    tabSprawy = Control<TPanel>(w, "tabSprawy");
    pnlSprawa = Control<TPanel>(w, "pnlSprawa");
    shapeSprawa = Control<TShape>(w, "shapeSprawa");
    lblTytul = Control<QLabel>(w, "lblTytul");
    memSprawa = Control<QPlainTextEdit>(w, "memSprawa");
    btnYes = Control<QPushButton>(w, "btnYes");
    btnOK = Control<QPushButton>(w, "btnOK");
    btnNo = Control<QPushButton>(w, "btnNo");
    tabMenu = Control<MenuPage>(w, "tabMenu");
    tabMenu->Build();
    pnlMenu = Control<TPanel>(w, "pnlMenu");
    chkMuzyka = Control<QCheckBox>(w, "chkMuzyka");
    tbMuzyka = Control<QSlider>(w, "tbMuzyka");
    tbEfekty = Control<QSlider>(w, "tbEfekty");
    lblJezyk = Control<QLabel>(w, "lblJezyk");
    cbJezyk = Control<QComboBox>(w, "cbJezyk");
    btnPomoc = Control<QPushButton>(w, "btnPomoc");
    btnZapisz = Control<QPushButton>(w, "btnZapisz");
    btnWczytaj = Control<QPushButton>(w, "btnWczytaj");
    btnNowaGra = Control<QPushButton>(w, "btnNowaGra");
    btnKontynuuj = Control<QPushButton>(w, "btnKontynuuj");
    MainTimer = w->Controller().Clock().MainTimer();
    BannerTimer = w->Controller().Clock().BannerTimer();
}

THelpDialog* WindowUnderTest::frmPomoc() const { return window->findChild<THelpDialog*>(QStringLiteral("frmPomoc")); }

WindowUnderTest::~WindowUnderTest() = default;

void WindowUnderTest::Show() {
    window->resize(TfrmMain::kDesignWidth, TfrmMain::kDesignHeight);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) std::abort();
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(10);
    }
    return true;
}

QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QPoint EmptyGround(const Company& game) {
    for (int y = 20; y < game.MapHeight() - 20; y += 5) {
        for (int x = 20; x < game.MapWidth() - 20; x += 5) {
            bool reached = false;
            for (int k = 1; k <= kKindCount && !reached; ++k)
                for (const auto& p : game.Subscribers(k))
                    if (std::abs(p->X() - x) <= 8 && std::abs(p->Y() - y) <= 8) {
                        reached = true;
                        break;
                    }
            if (!reached) return {x, y};
        }
    }
    return {-1, -1};
}

}  // namespace dzwonex::uitest
