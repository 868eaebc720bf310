// Logo.bmp: the company's badge for the logo dialog, on the dialog's
// white background: a golden bell ringing inside a blue disc, with the
// name on a red ribbon across the bottom.
#include "Assets.h"
#include "Fonts.h"
#include "Pictograms.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace dzwonex::assetgen {

QImage DrawLogo() {
    QImage image(kLogoSize, kLogoSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    const QPointF centre(45, 41);
    QRadialGradient disc(centre + QPointF(-10, -12), 46);
    disc.setColorAt(0.0, QColor(70, 150, 230));
    disc.setColorAt(1.0, QColor(12, 56, 140));
    p.setPen(QPen(QColor(10, 40, 100), 1.5));
    p.setBrush(disc);
    p.drawEllipse(centre, 38, 38);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 34.5, 34.5);

    // The bell, a touch tilted as if it were swinging, and its sound.
    QLinearGradient gold(QPointF(20, 0), QPointF(60, 0));
    gold.setColorAt(0.0, QColor(255, 226, 110));
    gold.setColorAt(1.0, QColor(214, 146, 20));
    p.save();
    p.translate(centre.x() - 6, centre.y() - 4);
    p.rotate(-12);
    p.translate(-21, -23);
    pictogram::Bell(p, 42, QColor(236, 176, 34), QColor(120, 70, 10));
    p.restore();
    p.save();
    p.translate(centre.x() + 14, centre.y() - 22);
    pictogram::SoundWaves(p, 30, QColor(255, 255, 255));
    p.restore();

    // Ribbon with the name.
    QPainterPath ribbon;
    ribbon.moveTo(4, 62);
    ribbon.lineTo(86, 62);
    ribbon.lineTo(82, 71);
    ribbon.lineTo(86, 80);
    ribbon.lineTo(4, 80);
    ribbon.lineTo(8, 71);
    ribbon.closeSubpath();
    QLinearGradient red(QPointF(0, 62), QPointF(0, 80));
    red.setColorAt(0.0, QColor(230, 50, 50));
    red.setColorAt(1.0, QColor(170, 20, 30));
    p.setPen(QPen(QColor(120, 10, 20), 1.0));
    p.setBrush(red);
    p.drawPath(ribbon);
    QFont font = SansFont(12, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    const QPainterPath name = TextPath(QStringLiteral("DZWONEX"), font);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 235));
    p.drawPath(name.translated(45 - name.boundingRect().center().x(), 71 - name.boundingRect().center().y()));
    p.end();
    return image;
}

}  // namespace dzwonex::assetgen
