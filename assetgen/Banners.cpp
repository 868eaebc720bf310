// Bannery.bmp: advertisements for Dzwonex S.A. and its products, each
// 400 x 50, stacked from top to bottom. Every banner has a coloured
// gradient, a pictogram in a white disc, a bold headline, a smaller
// line below it and the company's tag at the right.
#include "Assets.h"
#include "Fonts.h"
#include "Pictograms.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace dzwonex::assetgen {
namespace {

struct Banner {
    QColor from;
    QColor to;
    QColor accent;  // pictogram colour and tag colour
    const char16_t* headline;
    const char16_t* subline;
    std::function<void(QPainter&, double, const QColor&)> picture;
    const char16_t* sticker;  // a round sticker over the tag, or nullptr
};

// Draws `text` with its left end at x and baseline at y, shrinking the
// font until it fits in `maxWidth`.
void FittedText(QPainter& p, const QString& text, double x, double y, double maxWidth, int size, bool bold,
                const QColor& colour, bool shadow) {
    QFont font = SansFont(size, bold);
    while (size > 8 && TextWidth(text, font) > maxWidth) font = SansFont(--size, bold);
    const QPainterPath path = TextPath(text, font).translated(x, y);
    p.setPen(Qt::NoPen);
    if (shadow) {
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawPath(path.translated(1.0, 1.0));
    }
    p.setBrush(colour);
    p.drawPath(path);
}

void PaintBanner(QPainter& p, const Banner& b, int index) {
    const QRectF area(0, 0, kBannerWidth, kBannerHeight);
    QLinearGradient bg(area.topLeft(), area.topRight());
    bg.setColorAt(0.0, b.from);
    bg.setColorAt(1.0, b.to);
    p.fillRect(area, bg);

    // Soft bubbles and a glossy band.
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 6; ++k) {
        const double x = 60.0 + ((k * 97 + index * 41) % 300);
        const double y = (k * 23 + index * 17) % 50;
        const double r = 10.0 + ((k * 13 + index * 7) % 22);
        p.setBrush(QColor(255, 255, 255, 22));
        p.drawEllipse(QPointF(x, y), r, r);
    }
    QLinearGradient gloss(area.topLeft(), area.bottomLeft());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 10));
    gloss.setColorAt(0.51, QColor(0, 0, 0, 0));
    gloss.setColorAt(1.0, QColor(0, 0, 0, 30));
    p.fillRect(area, gloss);

    // Pictogram in a white disc.
    p.setPen(QPen(QColor(255, 255, 255, 140), 2.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(26, 25), 20, 20);
    p.save();
    p.translate(26 - 14, 25 - 14);
    b.picture(p, 28.0, b.accent);
    p.restore();

    // Headline and the line below.
    FittedText(p, QString::fromUtf16(b.headline), 54, 23, b.sticker ? 244 : 268, 17, true, QColor(255, 255, 255), true);
    FittedText(p, QString::fromUtf16(b.subline), 55, 40, 268, 11, false, QColor(255, 255, 255, 235), false);

    // The company tag.
    const QRectF tag(330, 9, 62, 32);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(tag, 6, 6);
    const QFont name = SansFont(11, true);
    const QPainterPath n = TextPath(QStringLiteral("Dzwonex"), name);
    p.setPen(Qt::NoPen);
    p.setBrush(b.accent);
    p.drawPath(n.translated(tag.center().x() - n.boundingRect().center().x(), tag.top() + 15));
    const QPainterPath sa = TextPath(QStringLiteral("S.A."), SansFont(9, true));
    p.drawPath(sa.translated(tag.center().x() - sa.boundingRect().center().x(), tag.top() + 27));

    if (b.sticker) {
        // A tilted starburst saying what is new.
        QPolygonF star;
        const QPointF c(314, 14);
        for (int k = 0; k < 24; ++k) {
            const double a = k * 3.14159265358979 / 12.0;
            const double r = k % 2 ? 10.5 : 13.5;
            star << c + QPointF(std::cos(a) * r, std::sin(a) * r);
        }
        p.setPen(QPen(QColor(200, 30, 30), 1.0));
        p.setBrush(QColor(255, 224, 40));
        p.drawPolygon(star);
        QPainterPath s = TextPath(QString::fromUtf16(b.sticker), SansFont(7, true));
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-15);
        t.translate(-s.boundingRect().center().x(), -s.boundingRect().center().y());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 20, 20));
        p.drawPath(t.map(s));
    }
}

}  // namespace

QImage DrawBanners() {
    using namespace pictogram;
    const Banner banners[] = {
        {QColor(16, 82, 170), QColor(20, 160, 190), QColor(16, 82, 170), u"Dzwonex S.A. – zawsze w zasięgu!",
         u"Twój lokalny operator: dzwonimy, łączymy, uśmiechamy się.",
         [](QPainter& p, double s, const QColor& c) {
             Bell(p, s * 0.8, QColor(240, 180, 30), c);
             p.translate(s * 0.72, 0);
             SoundWaves(p, s * 0.6, c);
         },
         nullptr},
        {QColor(232, 96, 20), QColor(250, 184, 40), QColor(210, 80, 10), u"Linia telefoniczna w 7 dni!",
         u"Podłączenie za jedyne 99 zł – zadzwoń do bliskich już dziś.",
         [](QPainter& p, double s, const QColor& c) { Telephone(p, s, c); }, u"PROMO"},
        {QColor(110, 40, 160), QColor(200, 70, 170), QColor(110, 40, 160), u"ISDN: dwie linie w jednym kablu",
         u"Rozmawiaj i surfuj jednocześnie, 128 kb/s bez czekania.",
         [](QPainter& p, double s, const QColor& c) {
             // Two telephones on one line.
             p.save();
             p.translate(-s * 0.06, s * 0.02);
             p.scale(0.62, 0.62);
             Telephone(p, s, c);
             p.restore();
             p.save();
             p.translate(s * 0.44, s * 0.40);
             p.scale(0.62, 0.62);
             Telephone(p, s, c);
             p.restore();
         },
         nullptr},
        {QColor(30, 130, 70), QColor(130, 190, 50), QColor(30, 120, 60), u"SDI – stały dostęp do Internetu",
         u"Bez impulsów i bez limitu czasu. Sieć zawsze włączona!",
         [](QPainter& p, double s, const QColor& c) { Globe(p, s, c); }, nullptr},
        {QColor(0, 150, 170), QColor(40, 90, 200), QColor(0, 120, 150), u"Neostrada – pędź po sieci!",
         u"Szybki Internet dla całej rodziny. Zestaw startowy gratis.",
         [](QPainter& p, double s, const QColor& c) { Lightning(p, s, c); }, u"NOWOŚĆ"},
        {QColor(30, 40, 80), QColor(70, 90, 140), QColor(40, 50, 100), u"Polpak-T – łącze dla Twojej firmy",
         u"Pewna transmisja danych 24 godziny na dobę, 7 dni w tygodniu.",
         [](QPainter& p, double s, const QColor& c) { Briefcase(p, s, c); }, nullptr},
        {QColor(200, 30, 40), QColor(240, 120, 40), QColor(190, 30, 40), u"Budki Dzwonex – na każdym rogu!",
         u"Karty telefoniczne w każdym kiosku. Zadzwoń, gdzie chcesz.",
         [](QPainter& p, double s, const QColor& c) { Booth(p, s, c, QColor(200, 226, 240)); }, nullptr},
    };
    const int count = static_cast<int>(std::size(banners));
    QImage strip(kBannerWidth, kBannerHeight * count, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(0, i * kBannerHeight);
        p.setClipRect(QRectF(0, 0, kBannerWidth, kBannerHeight));
        PaintBanner(p, banners[i], i);
        p.restore();
    }
    p.end();
    return strip;
}

}  // namespace dzwonex::assetgen
