// Mapa.jpg: a plan of the fictional town of Dzwonów. The street grid is
// laid out on a straight "ideal" plane and then bent so that it follows
// the river Modra near its banks and straightens out farther away. On top
// come the river with its bridges, two tree-lined avenues with a
// roundabout, the railway with the station, parks, and the lettering.
// The colours stay pale and greyish so that the subscriber icons, drawn
// over the map by the game, stand out.
#include "Assets.h"
#include "Fonts.h"
#include "Prng.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace dzwonex::assetgen {
namespace {

constexpr double kPi = std::numbers::pi;

// Palette: light, low-saturation tones.
const QColor kStreet(244, 241, 233);
const QColor kBlock(226, 219, 206);
const QColor kBuilding(206, 193, 177);
const QColor kBuildingEdge(180, 166, 150);
const QColor kCourtyard(229, 228, 212);
const QColor kGarden(224, 228, 206);
const QColor kHouse(212, 198, 182);
const QColor kSlab(205, 200, 196);
const QColor kSlabEdge(173, 168, 163);
const QColor kPark(203, 218, 186);
const QColor kParkPath(235, 229, 210);
const QColor kTree(176, 198, 156);
const QColor kTreeEdge(153, 178, 134);
const QColor kForest(186, 205, 170);
const QColor kWater(170, 197, 209);
const QColor kWaterEdge(139, 172, 188);
const QColor kGrass(206, 220, 190);
const QColor kAvenue(246, 236, 206);
const QColor kAvenueEdge(196, 184, 154);
const QColor kParapet(138, 132, 126);
const QColor kRailLand(221, 215, 205);
const QColor kRail(118, 114, 110);
const QColor kIndustry(214, 211, 206);
const QColor kFactory(190, 186, 181);
const QColor kSquare(236, 227, 211);
const QColor kLandmark(190, 162, 140);
const QColor kLandmarkEdge(150, 125, 106);
const QColor kCemetery(209, 216, 196);
const QColor kPitch(190, 212, 172);
const QColor kText(88, 80, 70);
const QColor kWaterText(66, 108, 130);
const QColor kParkText(84, 112, 70);
const QColor kDistrictText(110, 96, 82, 130);

// ---------------------------------------------------------------------
// The bend: ideal (u, v) to picture (x, y).

constexpr double kRiverV = 560.0;     // the river's line on the ideal plane
constexpr double kEmbankment = 52.0;  // blocks keep this far from the river line

double RiverShift(double u) {
    return -0.11 * (u - 720.0) + 68.0 * std::sin(2.0 * kPi * u / 980.0 + 0.4) +
           12.0 * std::sin(2.0 * kPi * u / 520.0 + 1.7);
}

double RiverSlope(double u) {
    return -0.11 + 68.0 * (2.0 * kPi / 980.0) * std::cos(2.0 * kPi * u / 980.0 + 0.4) +
           12.0 * (2.0 * kPi / 520.0) * std::cos(2.0 * kPi * u / 520.0 + 1.7);
}

double RiverHalfWidth(double u) { return 26.0 + 5.0 * std::sin(u / 170.0) + 3.0 * std::sin(u / 61.0); }

QPointF Bend(double u, double v) {
    const double d = v - kRiverV;
    const double follow = std::exp(-(d / 430.0) * (d / 430.0));  // how much a line follows the river
    const double turn = std::exp(-(d / 210.0) * (d / 210.0));    // cross streets meet the banks square
    return {u - RiverSlope(u) * d * turn * 0.9, v + RiverShift(u) * follow};
}

QPointF Bend(QPointF p) { return Bend(p.x(), p.y()); }

// Direction (radians) of the picture image of an ideal line through
// (u, v) running along (du, dv).
double BentAngle(double u, double v, double du, double dv) {
    const QPointF a = Bend(u - du, v - dv);
    const QPointF b = Bend(u + du, v + dv);
    return std::atan2(b.y() - a.y(), b.x() - a.x());
}

// The outline of an ideal rectangle, bent, sampled every few pixels.
QPolygonF BentRect(double u0, double v0, double u1, double v1) {
    QPolygonF poly;
    const double step = 5.0;
    const int nu = std::max(1, static_cast<int>(std::ceil((u1 - u0) / step)));
    const int nv = std::max(1, static_cast<int>(std::ceil((v1 - v0) / step)));
    for (int i = 0; i < nu; ++i) poly << Bend(u0 + (u1 - u0) * i / nu, v0);
    for (int i = 0; i < nv; ++i) poly << Bend(u1, v0 + (v1 - v0) * i / nv);
    for (int i = 0; i < nu; ++i) poly << Bend(u1 - (u1 - u0) * i / nu, v1);
    for (int i = 0; i < nv; ++i) poly << Bend(u0, v1 - (v1 - v0) * i / nv);
    return poly;
}

// A small ideal rectangle: its corners bent (the bend is smooth at this size).
QPolygonF BentQuad(double u0, double v0, double u1, double v1) {
    QPolygonF poly;
    poly << Bend(u0, v0) << Bend(u1, v0) << Bend(u1, v1) << Bend(u0, v1);
    return poly;
}

// ---------------------------------------------------------------------
// The grid on the ideal plane.

struct Line {
    double at;         // u of a column line, v of a row line
    double halfWidth;  // half the street's width
    bool main;         // a main street: wider, named first
};

enum class Use {
    Dense,      // old-town blocks: houses wall to wall around a courtyard
    Perimeter,  // the same, a little looser
    Estate,     // post-war estate: long slab blocks in green
    Houses,     // detached houses in gardens
    Square,     // the market square
    Park,
    Forest,
    Cemetery,
    Stadium,
    Industry,
    Allotments,
    School,
    Church,
    Taken,  // covered by a larger area drawn elsewhere
};

struct Area {
    int i0, j0, i1, j1;  // cells [i0, i1) x [j0, j1)
    Use use;
};

class Town {
public:
    Town() : rng_(0x4D617061u) {
        LayOutColumns();
        LayOutRows();
        uses_.assign(cols_.size() * rows_.size(), Use::Houses);
        AssignUses();
    }

    void Paint(QPainter& p);

private:
    void LayOutColumns();
    void LayOutRows();
    void AssignUses();
    Use& UseAt(int i, int j) { return uses_[static_cast<std::size_t>(j) * cols_.size() + static_cast<std::size_t>(i)]; }
    int ColumnAt(double u) const;
    int RowAt(double v) const;
    void AddArea(double u, double v, int wide, int high, Use what);

    // Inset ideal rectangle of cell block [i0, i1) x [j0, j1).
    QRectF CellRect(int i0, int j0, int i1, int j1) const {
        const double u0 = cols_[static_cast<std::size_t>(i0)].at + cols_[static_cast<std::size_t>(i0)].halfWidth;
        const double u1 = cols_[static_cast<std::size_t>(i1)].at - cols_[static_cast<std::size_t>(i1)].halfWidth;
        const double v0 = rows_[static_cast<std::size_t>(j0)].at + rows_[static_cast<std::size_t>(j0)].halfWidth;
        const double v1 = rows_[static_cast<std::size_t>(j1)].at - rows_[static_cast<std::size_t>(j1)].halfWidth;
        return QRectF(QPointF(u0, v0), QPointF(u1, v1));
    }
    bool RowGapIsRiver(int j) const {
        return rows_[static_cast<std::size_t>(j)].at < kRiverV && rows_[static_cast<std::size_t>(j + 1)].at > kRiverV;
    }

    void PaintCell(QPainter& p, const QRectF& r, Use what, Prng& rng);
    void PaintBlock(QPainter& p, const QRectF& r, double depth, double gapChance, Prng& rng);
    void PaintHouses(QPainter& p, const QRectF& r, Prng& rng);
    void PaintEstate(QPainter& p, const QRectF& r, Prng& rng);
    void PaintPark(QPainter& p, const QRectF& r, Prng& rng, bool paths);
    void PaintForest(QPainter& p, const QRectF& r, Prng& rng);
    void PaintCemetery(QPainter& p, const QRectF& r, Prng& rng);
    void PaintStadium(QPainter& p, const QRectF& r);
    void PaintIndustry(QPainter& p, const QRectF& r, Prng& rng);
    void PaintAllotments(QPainter& p, const QRectF& r, Prng& rng);
    void PaintSchool(QPainter& p, const QRectF& r);
    void PaintChurch(QPainter& p, const QRectF& r);
    void PaintSquare(QPainter& p, const QRectF& r);
    void PaintRiver(QPainter& p);
    void PaintBridges(QPainter& p);
    void PaintAvenues(QPainter& p);
    void PaintRailway(QPainter& p);
    void PaintLabels(QPainter& p);
    void PaintDecorations(QPainter& p);

    void Tree(QPainter& p, QPointF at, double r);
    // Puts a label centred at `at`, turned by `angle`, unless it would
    // cover one already placed. Returns whether it was placed.
    bool Label(QPainter& p, const QString& text, QPointF at, double angle, const QFont& font, const QColor& colour,
               const QColor& halo, double spacing = 0.0, bool force = false);

    Prng rng_;
    std::vector<Line> cols_;
    std::vector<Line> rows_;
    std::vector<Use> uses_;
    std::vector<Area> areas_;
    std::vector<QPolygonF> labelShapes_;
    QRectF square_;  // ideal rectangle of the market square
    QPainterPath railPath_;
    std::vector<QLineF> avenues_;
    QPointF roundabout_;
    QPointF station_;
    std::vector<int> bridgeColumns_;
};

void Town::LayOutColumns() {
    double u = -300.0;
    int n = 0;
    while (u < kMapWidth + 300.0) {
        const double fromCentre = std::min(1.0, std::abs(u - 700.0) / 650.0);
        const bool main = n % 3 == 1;
        cols_.push_back({u, main ? 8.0 : 5.5, main});
        u += 64.0 + 56.0 * fromCentre + rng_.Real(-9.0, 9.0);
        ++n;
    }
}

void Town::LayOutRows() {
    // Outward from both banks so that the river runs between two rows.
    std::vector<Line> north;
    double v = kRiverV - kEmbankment;
    int n = 0;
    while (v > -300.0) {
        const double fromCentre = std::min(1.0, std::abs(v - 330.0) / 420.0);
        const bool main = n % 3 == 0;
        north.push_back({v, main ? 8.0 : 5.5, main});
        v -= 58.0 + 50.0 * fromCentre + rng_.Real(-8.0, 8.0);
        ++n;
    }
    std::reverse(north.begin(), north.end());
    rows_ = north;
    v = kRiverV + kEmbankment;
    n = 0;
    while (v < kMapHeight + 300.0) {
        const double fromBank = std::min(1.0, (v - kRiverV) / 450.0);
        const bool main = n % 3 == 0;
        rows_.push_back({v, main ? 8.0 : 5.5, main});
        v += 66.0 + 48.0 * fromBank + rng_.Real(-8.0, 8.0);
        ++n;
    }
}

int Town::ColumnAt(double u) const {
    for (std::size_t i = 0; i + 1 < cols_.size(); ++i)
        if (u < cols_[i + 1].at) return static_cast<int>(i);
    return static_cast<int>(cols_.size()) - 2;
}

int Town::RowAt(double v) const {
    for (std::size_t j = 0; j + 1 < rows_.size(); ++j)
        if (v < rows_[j + 1].at) return static_cast<int>(j);
    return static_cast<int>(rows_.size()) - 2;
}

void Town::AddArea(double u, double v, int wide, int high, Use what) {
    const int i = ColumnAt(u);
    const int j = RowAt(v);
    areas_.push_back({i, j, i + wide, j + high, what});
    for (int jj = j; jj < j + high; ++jj)
        for (int ii = i; ii < i + wide; ++ii) UseAt(ii, jj) = Use::Taken;
}

void Town::AssignUses() {
    const QPointF oldTown(700.0, 330.0);
    for (std::size_t j = 0; j + 1 < rows_.size(); ++j) {
        for (std::size_t i = 0; i + 1 < cols_.size(); ++i) {
            const QPointF c((cols_[i].at + cols_[i + 1].at) / 2, (rows_[j].at + rows_[j + 1].at) / 2);
            const double dx = (c.x() - oldTown.x()) / 1.25;
            const double dy = c.y() - oldTown.y();
            const double d = std::sqrt(dx * dx + dy * dy);
            Use u = Use::Houses;
            if (d < 260.0)
                u = Use::Dense;
            else if (d < 470.0)
                u = rng_.Chance(0.25) ? Use::Estate : Use::Perimeter;
            else if (d < 640.0)
                u = rng_.Chance(0.55) ? Use::Estate : Use::Houses;
            uses_[j * cols_.size() + i] = u;
        }
    }
    // The market square in the middle of the old town.
    const int si = ColumnAt(oldTown.x());
    const int sj = RowAt(oldTown.y());
    UseAt(si, sj) = Use::Square;
    square_ = CellRect(si, sj, si + 1, sj + 1);
    UseAt(si + 1, sj - 1) = Use::Church;
    UseAt(si - 2, sj + 1) = Use::School;
    UseAt(si + 3, sj + 2) = Use::School;

    AddArea(930.0, 240.0, 2, 1, Use::Park);  // Park Źródliska
    AddArea(430.0, 640.0, 3, 2, Use::Park);  // Park Miejski on the south bank
    AddArea(830.0, 720.0, 2, 2, Use::Stadium);
    AddArea(180.0, 120.0, 2, 2, Use::Cemetery);
    AddArea(1230.0, 150.0, 2, 3, Use::Industry);
    AddArea(1290.0, 420.0, 2, 1, Use::Industry);
    AddArea(110.0, 860.0, 3, 2, Use::Allotments);
    AddArea(-250.0, 380.0, 3, 2, Use::Forest);
    AddArea(1300.0, 880.0, 3, 3, Use::Forest);
    AddArea(610.0, 860.0, 1, 1, Use::Park);
}

// ---------------------------------------------------------------------
// Blocks.

void Town::PaintBlock(QPainter& p, const QRectF& r, double depth, double gapChance, Prng& rng) {
    if (r.width() < 2 * depth + 6 || r.height() < 2 * depth + 6) {
        p.setPen(QPen(kBuildingEdge, 0.8));
        p.setBrush(kBuilding);
        p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kCourtyard);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));

    // Houses along each side, wall to wall, some plots left empty.
    p.setPen(QPen(kBuildingEdge, 0.8));
    p.setBrush(kBuilding);
    auto side = [&](double u0, double v0, double u1, double v1, double nu, double nv) {
        // From (u0, v0) to (u1, v1); (nu, nv) points into the block.
        const double length = std::hypot(u1 - u0, v1 - v0);
        const double tu = (u1 - u0) / length;
        const double tv = (v1 - v0) / length;
        double s = 0.0;
        while (s < length - 4.0) {
            double w = rng.Real(11.0, 22.0);
            if (length - s - w < 8.0) w = length - s;
            const double d = depth * rng.Real(0.8, 1.15);
            if (!rng.Chance(gapChance)) {
                const QPointF a(u0 + tu * s, v0 + tv * s);
                const QPointF b(u0 + tu * (s + w), v0 + tv * (s + w));
                QPolygonF house;
                house << Bend(a) << Bend(b) << Bend(b + QPointF(nu, nv) * d) << Bend(a + QPointF(nu, nv) * d);
                p.drawPolygon(house);
            }
            s += w;
        }
    };
    side(r.left(), r.top(), r.right(), r.top(), 0, 1);
    side(r.right(), r.top() + depth, r.right(), r.bottom() - depth, -1, 0);
    side(r.right(), r.bottom(), r.left(), r.bottom(), 0, -1);
    side(r.left(), r.bottom() - depth, r.left(), r.top() + depth, 1, 0);
    // A few outbuildings in the courtyard.
    const int sheds = rng.Below(3);
    for (int k = 0; k < sheds; ++k) {
        const double w = rng.Real(6.0, 12.0);
        const double h = rng.Real(5.0, 9.0);
        const double cu = rng.Real(r.left() + depth + 3, std::max(r.left() + depth + 4, r.right() - depth - w - 3));
        const double cv = rng.Real(r.top() + depth + 3, std::max(r.top() + depth + 4, r.bottom() - depth - h - 3));
        p.drawPolygon(BentQuad(cu, cv, cu + w, cv + h));
    }
}

void Town::PaintHouses(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGarden);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    p.setPen(QPen(kBuildingEdge, 0.8));
    p.setBrush(kHouse);
    // Two rows of houses facing the long streets.
    const bool wide = r.width() >= r.height();
    const double length = wide ? r.width() : r.height();
    const double across = wide ? r.height() : r.width();
    const int rowsOfHouses = across > 46 ? 2 : 1;
    for (int side = 0; side < rowsOfHouses; ++side) {
        double s = rng.Real(3.0, 8.0);
        while (s < length - 12.0) {
            const double w = rng.Real(8.0, 13.0);
            const double d = rng.Real(8.0, 12.0);
            const double setback = rng.Real(3.0, 6.0);
            if (!rng.Chance(0.15)) {
                double u0, v0;
                if (wide) {
                    u0 = r.left() + s;
                    v0 = side == 0 ? r.top() + setback : r.bottom() - setback - d;
                    p.drawPolygon(BentQuad(u0, v0, u0 + w, v0 + d));
                } else {
                    v0 = r.top() + s;
                    u0 = side == 0 ? r.left() + setback : r.right() - setback - d;
                    p.drawPolygon(BentQuad(u0, v0, u0 + d, v0 + w));
                }
            }
            s += w + rng.Real(5.0, 11.0);
        }
    }
    // Garden trees.
    const int trees = static_cast<int>(r.width() * r.height() / 1400.0);
    for (int k = 0; k < trees; ++k)
        if (rng.Chance(0.6))
            Tree(p, Bend(rng.Real(r.left() + 4, r.right() - 4), rng.Real(r.top() + 4, r.bottom() - 4)),
                 rng.Real(2.0, 3.5));
}

void Town::PaintEstate(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGarden);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    p.setPen(QPen(kSlabEdge, 0.9));
    p.setBrush(kSlab);
    // Long slabs, parallel or across, with lawns between.
    const bool along = rng.Chance(0.5);
    if (along) {
        double v = r.top() + 6.0;
        while (v + 12.0 < r.bottom() - 4.0) {
            const double len = std::min(r.width() - 12.0, rng.Real(40.0, 90.0));
            const double u = r.left() + rng.Real(6.0, std::max(6.5, r.width() - len - 6.0));
            p.drawPolygon(BentQuad(u, v, u + len, v + 10.0));
            v += rng.Real(24.0, 32.0);
        }
    } else {
        double u = r.left() + 6.0;
        while (u + 12.0 < r.right() - 4.0) {
            const double len = std::min(r.height() - 12.0, rng.Real(40.0, 90.0));
            const double v = r.top() + rng.Real(6.0, std::max(6.5, r.height() - len - 6.0));
            p.drawPolygon(BentQuad(u, v, u + 10.0, v + len));
            u += rng.Real(24.0, 32.0);
        }
    }
    const int trees = static_cast<int>(r.width() * r.height() / 900.0);
    for (int k = 0; k < trees; ++k)
        if (rng.Chance(0.5))
            Tree(p, Bend(rng.Real(r.left() + 4, r.right() - 4), rng.Real(r.top() + 4, r.bottom() - 4)),
                 rng.Real(2.0, 3.2));
}

void Town::Tree(QPainter& p, QPointF at, double r) {
    p.setPen(QPen(kTreeEdge, 0.8));
    p.setBrush(kTree);
    p.drawEllipse(at, r, r);
}

void Town::PaintPark(QPainter& p, const QRectF& r, Prng& rng, bool paths) {
    p.setPen(Qt::NoPen);
    p.setBrush(kPark);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    if (paths) {
        // Two crossing walks, curving a little, and a round pond in the middle.
        QPen walk(kParkPath, 4.0, Qt::SolidLine, Qt::RoundCap);
        p.setPen(walk);
        p.setBrush(Qt::NoBrush);
        const QPointF c = r.center();
        QPainterPath a;
        a.moveTo(Bend(r.topLeft() + QPointF(4, 4)));
        a.quadTo(Bend(c + QPointF(-r.width() * 0.2, r.height() * 0.15)), Bend(r.bottomRight() - QPointF(4, 4)));
        QPainterPath b;
        b.moveTo(Bend(r.topRight() + QPointF(-4, 4)));
        b.quadTo(Bend(c + QPointF(r.width() * 0.1, -r.height() * 0.2)), Bend(r.bottomLeft() + QPointF(4, -4)));
        p.drawPath(a);
        p.drawPath(b);
        QPainterPath ring;
        ring.addEllipse(Bend(c), std::min(r.width(), r.height()) * 0.17, std::min(r.width(), r.height()) * 0.13);
        p.setPen(walk);
        p.drawPath(ring);
        p.setPen(QPen(kWaterEdge, 1.0));
        p.setBrush(kWater);
        p.drawEllipse(Bend(c), std::min(r.width(), r.height()) * 0.12, std::min(r.width(), r.height()) * 0.085);
    }
    const int trees = static_cast<int>(r.width() * r.height() / 260.0);
    for (int k = 0; k < trees; ++k) {
        const QPointF at(rng.Real(r.left() + 5, r.right() - 5), rng.Real(r.top() + 5, r.bottom() - 5));
        if (paths) {
            const QPointF d = at - r.center();
            const double rr = std::min(r.width(), r.height()) * 0.2;
            if (d.x() * d.x() + d.y() * d.y() < rr * rr) continue;
        }
        if (rng.Chance(0.55)) Tree(p, Bend(at), rng.Real(2.8, 5.0));
    }
}

void Town::PaintForest(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(kForest);
    p.drawPolygon(BentRect(r.left() - 4, r.top() - 4, r.right() + 4, r.bottom() + 4));
    const int trees = static_cast<int>(r.width() * r.height() / 70.0);
    p.setPen(QPen(QColor(160, 184, 146), 0.7));
    p.setBrush(QColor(174, 196, 158));
    for (int k = 0; k < trees; ++k)
        p.drawEllipse(Bend(rng.Real(r.left(), r.right()), rng.Real(r.top(), r.bottom())), 2.6, 2.6);
}

void Town::PaintCemetery(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(QPen(QColor(170, 180, 160), 1.2));
    p.setBrush(kCemetery);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    // Rows of little crosses between alleys of trees.
    p.setPen(QPen(QColor(150, 156, 140), 1.0));
    for (double v = r.top() + 10; v < r.bottom() - 6; v += 11.0)
        for (double u = r.left() + 10; u < r.right() - 6; u += 10.0) {
            if (rng.Chance(0.25)) continue;
            const QPointF c = Bend(u, v);
            p.drawLine(c + QPointF(0, -2.5), c + QPointF(0, 2.5));
            p.drawLine(c + QPointF(-1.6, -1.0), c + QPointF(1.6, -1.0));
        }
    for (double u = r.left() + 4; u < r.right(); u += 9.0) Tree(p, Bend(u, (r.top() + r.bottom()) / 2), 3.0);
}

void Town::PaintStadium(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGarden);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    const QPointF c = r.center();
    const double a = std::min(r.width(), r.height() * 1.6) * 0.42;
    const double b = a * 0.62;
    // Stands, running track, pitch.
    const double angle = BentAngle(c.x(), c.y(), 1.0, 0.0);
    p.save();
    p.translate(Bend(c));
    p.rotate(angle * 180.0 / kPi);
    p.setPen(QPen(kSlabEdge, 1.0));
    p.setBrush(kSlab);
    p.drawEllipse(QPointF(0, 0), a, b);
    p.setBrush(QColor(214, 178, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(0, 0), a * 0.84, b * 0.78);
    p.setBrush(kPitch);
    p.setPen(QPen(QColor(236, 238, 228), 1.0));
    p.drawRect(QRectF(-a * 0.55, -b * 0.5, a * 1.1, b * 1.0));
    p.drawLine(QPointF(0, -b * 0.5), QPointF(0, b * 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), b * 0.18, b * 0.18);
    p.restore();
}

void Town::PaintIndustry(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(kIndustry);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    p.setPen(QPen(QColor(160, 156, 151), 1.0));
    p.setBrush(kFactory);
    // Large halls on a loose grid.
    double v = r.top() + 8;
    while (v < r.bottom() - 24) {
        double u = r.left() + 8;
        const double h = rng.Real(22.0, 40.0);
        while (u < r.right() - 24) {
            const double w = rng.Real(28.0, 60.0);
            if (u + w > r.right() - 8) break;
            if (!rng.Chance(0.2)) {
                const double hh = std::min(h, r.bottom() - 8 - v);
                p.drawPolygon(BentQuad(u, v, u + w, v + hh));
                // Roof ridges.
                p.save();
                p.setPen(QPen(QColor(176, 172, 167), 0.8));
                for (double s = u + 6; s < u + w - 3; s += 6) p.drawLine(Bend(s, v + 2), Bend(s, v + hh - 2));
                p.restore();
            }
            u += w + rng.Real(8.0, 16.0);
        }
        v += h + rng.Real(10.0, 16.0);
    }
    // Chimneys.
    p.setPen(QPen(QColor(140, 136, 131), 1.0));
    p.setBrush(QColor(170, 160, 150));
    p.drawEllipse(Bend(r.right() - 14, r.bottom() - 14), 5.0, 5.0);
}

void Town::PaintAllotments(QPainter& p, const QRectF& r, Prng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(218, 226, 196));
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    // Small plots, each with a shed.
    const QColor plots[3] = {QColor(210, 222, 188), QColor(224, 226, 196), QColor(206, 216, 184)};
    for (double v = r.top() + 3; v < r.bottom() - 12; v += 17.0)
        for (double u = r.left() + 3; u < r.right() - 14; u += 19.0) {
            p.setPen(QPen(QColor(190, 200, 170), 0.8));
            p.setBrush(plots[rng.Below(3)]);
            p.drawPolygon(BentQuad(u, v, u + 17, v + 15));
            if (rng.Chance(0.7)) {
                p.setPen(QPen(kBuildingEdge, 0.7));
                p.setBrush(kHouse);
                p.drawPolygon(BentQuad(u + 2, v + 2, u + 7, v + 6));
            }
        }
}

void Town::PaintSchool(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGarden);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    // An L-shaped school and its pitch.
    p.setPen(QPen(kLandmarkEdge, 1.0));
    p.setBrush(kLandmark);
    const double d = std::min(14.0, r.height() * 0.3);
    p.drawPolygon(BentQuad(r.left() + 4, r.top() + 4, r.right() - 4, r.top() + 4 + d));
    p.drawPolygon(BentQuad(r.left() + 4, r.top() + 4 + d, r.left() + 4 + d, r.bottom() - 4));
    p.setPen(QPen(QColor(236, 238, 228), 1.0));
    p.setBrush(kPitch);
    p.drawPolygon(BentQuad(r.left() + d + 12, r.top() + d + 10, r.right() - 8, r.bottom() - 8));
}

void Town::PaintChurch(QPainter& p, const QRectF& r) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSquare);
    p.drawPolygon(BentRect(r.left(), r.top(), r.right(), r.bottom()));
    for (double u = r.left() + 5; u < r.right() - 3; u += 10) Tree(p, Bend(u, r.bottom() - 6), 3.0);
    // A cross-shaped church with a tower at the west end.
    const QPointF c = r.center() + QPointF(0, -4);
    const double a = BentAngle(c.x(), c.y(), 1, 0);
    p.save();
    p.translate(Bend(c));
    p.rotate(a * 180.0 / kPi);
    p.setPen(QPen(kLandmarkEdge, 1.0));
    p.setBrush(kLandmark);
    QPainterPath cross;
    cross.addRect(QRectF(-26, -8, 52, 16));
    cross.addRect(QRectF(4, -17, 14, 34));
    cross.addRect(QRectF(-34, -6, 10, 12));
    p.drawPath(cross.simplified());
    p.restore();
}

void Town::PaintSquare(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(214, 204, 188), 1.0));
    p.setBrush(kSquare);
    p.drawPolygon(BentRect(r.left() - 3, r.top() - 3, r.right() + 3, r.bottom() + 3));
    // Paving pattern.
    p.setPen(QPen(QColor(226, 216, 198), 0.8));
    for (double u = r.left() + 8; u < r.right() - 4; u += 8) p.drawLine(Bend(u, r.top() + 2), Bend(u, r.bottom() - 2));
    for (double v = r.top() + 8; v < r.bottom() - 4; v += 8) p.drawLine(Bend(r.left() + 2, v), Bend(r.right() - 2, v));
    // The town hall in the middle, with its tower.
    const QPointF c = r.center();
    p.setPen(QPen(kLandmarkEdge, 1.0));
    p.setBrush(kLandmark);
    p.drawPolygon(BentQuad(c.x() - 20, c.y() - 11, c.x() + 20, c.y() + 11));
    p.setBrush(QColor(176, 146, 124));
    p.drawPolygon(BentQuad(c.x() - 5, c.y() - 5, c.x() + 5, c.y() + 5));
    // Trees at the corners.
    Tree(p, Bend(r.left() + 6, r.top() + 6), 3.5);
    Tree(p, Bend(r.right() - 6, r.top() + 6), 3.5);
    Tree(p, Bend(r.left() + 6, r.bottom() - 6), 3.5);
    Tree(p, Bend(r.right() - 6, r.bottom() - 6), 3.5);
}

void Town::PaintCell(QPainter& p, const QRectF& r, Use what, Prng& rng) {
    switch (what) {
        case Use::Dense:
            PaintBlock(p, r, rng.Real(12.0, 15.0), 0.03, rng);
            break;
        case Use::Perimeter:
            PaintBlock(p, r, rng.Real(10.0, 13.0), 0.18, rng);
            break;
        case Use::Estate:
            PaintEstate(p, r, rng);
            break;
        case Use::Houses:
            PaintHouses(p, r, rng);
            break;
        case Use::Square:
            PaintSquare(p, r);
            break;
        case Use::Park:
            PaintPark(p, r, rng, r.width() > 120 && r.height() > 90);
            break;
        case Use::Forest:
            PaintForest(p, r, rng);
            break;
        case Use::Cemetery:
            PaintCemetery(p, r, rng);
            break;
        case Use::Stadium:
            PaintStadium(p, r);
            break;
        case Use::Industry:
            PaintIndustry(p, r, rng);
            break;
        case Use::Allotments:
            PaintAllotments(p, r, rng);
            break;
        case Use::School:
            PaintSchool(p, r);
            break;
        case Use::Church:
            PaintChurch(p, r);
            break;
        case Use::Taken:
            break;
    }
}

// ---------------------------------------------------------------------
// River, bridges, avenues, railway.

void Town::PaintRiver(QPainter& p) {
    auto band = [](double extra) {
        QPolygonF poly;
        for (double u = -400.0; u <= kMapWidth + 400.0; u += 4.0) poly << Bend(u, kRiverV - RiverHalfWidth(u) - extra);
        for (double u = kMapWidth + 400.0; u >= -400.0; u -= 4.0) poly << Bend(u, kRiverV + RiverHalfWidth(u) + extra);
        return poly;
    };
    // Riverside lawns, then the water with its darker banks.
    p.setPen(Qt::NoPen);
    p.setBrush(kGrass);
    p.drawPolygon(band(6.0));
    p.setPen(QPen(kWaterEdge, 1.4));
    p.setBrush(kWater);
    p.drawPolygon(band(0.0));
    // Trees along both boulevards.
    Prng rng(0x52697665u);
    for (double u = -40.0; u < kMapWidth + 40.0; u += rng.Real(13.0, 19.0)) {
        for (int side = -1; side <= 1; side += 2) {
            if (rng.Chance(0.2)) continue;
            Tree(p, Bend(u, kRiverV + side * (RiverHalfWidth(u) + 4.5)), 2.6);
        }
    }
}

void Town::PaintBridges(QPainter& p) {
    for (int i : bridgeColumns_) {
        const Line& c = cols_[static_cast<std::size_t>(i)];
        const double hw = c.halfWidth + 1.5;
        const double v0 = kRiverV - RiverHalfWidth(c.at) - 9.0;
        const double v1 = kRiverV + RiverHalfWidth(c.at) + 9.0;
        p.setPen(Qt::NoPen);
        p.setBrush(kStreet);
        p.drawPolygon(BentQuad(c.at - hw, v0, c.at + hw, v1));
        p.setPen(QPen(kParapet, 1.6, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(Bend(c.at - hw, v0 + 4), Bend(c.at - hw, v1 - 4));
        p.drawLine(Bend(c.at + hw, v0 + 4), Bend(c.at + hw, v1 - 4));
        // Splayed ends of the parapets.
        p.drawLine(Bend(c.at - hw, v0 + 4), Bend(c.at - hw - 4, v0));
        p.drawLine(Bend(c.at + hw, v0 + 4), Bend(c.at + hw + 4, v0));
        p.drawLine(Bend(c.at - hw, v1 - 4), Bend(c.at - hw - 4, v1));
        p.drawLine(Bend(c.at + hw, v1 - 4), Bend(c.at + hw + 4, v1));
    }
}

void Town::PaintAvenues(QPainter& p) {
    // Two straight avenues across the bent grid, meeting at a roundabout.
    roundabout_ = QPointF(905.0, 455.0);
    avenues_ = {QLineF(QPointF(-20.0, 95.0), QPointF(kMapWidth + 20.0, 805.0)),
                QLineF(QPointF(1255.0, -20.0), QPointF(540.0, kMapHeight + 20.0))};
    // Shift both so that they pass through the roundabout.
    for (QLineF& l : avenues_) {
        const QPointF d = l.p2() - l.p1();
        const double t = QPointF::dotProduct(roundabout_ - l.p1(), d) / QPointF::dotProduct(d, d);
        const QPointF onLine = l.p1() + d * t;
        l.translate(roundabout_ - onLine);
    }
    for (const QLineF& l : avenues_) {
        p.setPen(QPen(kAvenueEdge, 22.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(l);
    }
    p.setPen(QPen(kAvenueEdge, 1.0));
    p.setBrush(kAvenueEdge);
    p.drawEllipse(roundabout_, 27.0, 27.0);
    for (const QLineF& l : avenues_) {
        p.setPen(QPen(kAvenue, 19.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(l);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kAvenue);
    p.drawEllipse(roundabout_, 25.5, 25.5);
    // Planted median with a row of trees.
    Prng rng(0x416C656Au);
    for (const QLineF& l : avenues_) {
        p.setPen(QPen(kGrass, 4.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(l);
        const double length = l.length();
        for (double s = 6.0; s < length; s += rng.Real(10.0, 14.0)) {
            const QPointF at = l.pointAt(s / length);
            if (QLineF(at, roundabout_).length() < 32.0) continue;
            p.setPen(QPen(kTreeEdge, 0.7));
            p.setBrush(kTree);
            p.drawEllipse(at, 2.3, 2.3);
        }
    }
    p.setPen(QPen(kAvenueEdge, 1.2));
    p.setBrush(kPark);
    p.drawEllipse(roundabout_, 13.0, 13.0);
    Tree(p, roundabout_, 5.0);
    // Where an avenue crosses the river it is a bridge: parapets over the water.
    QPainterPath water;
    {
        QPolygonF poly;
        for (double u = -400.0; u <= kMapWidth + 400.0; u += 4.0) poly << Bend(u, kRiverV - RiverHalfWidth(u) - 2);
        for (double u = kMapWidth + 400.0; u >= -400.0; u -= 4.0) poly << Bend(u, kRiverV + RiverHalfWidth(u) + 2);
        water.addPolygon(poly);
    }
    p.save();
    p.setClipPath(water);
    for (const QLineF& l : avenues_) {
        p.setPen(QPen(kStreet, 20.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(l);
        const QPointF n = QPointF(-l.dy(), l.dx()) / l.length();
        p.setPen(QPen(kParapet, 1.8));
        p.drawLine(l.translated(n * 10.5));
        p.drawLine(l.translated(-n * 10.5));
    }
    p.restore();
}

void Town::PaintRailway(QPainter& p) {
    // From the north-east down across the river to the south, with the
    // station on the north bank.
    railPath_ = QPainterPath();
    railPath_.moveTo(kMapWidth + 30.0, 250.0);
    railPath_.cubicTo(1300.0, 285.0, 1200.0, 300.0, 1130.0, 350.0);
    railPath_.cubicTo(1040.0, 420.0, 1010.0, 560.0, 1040.0, 700.0);
    railPath_.cubicTo(1060.0, 800.0, 1090.0, 930.0, 1070.0, kMapHeight + 30.0);
    station_ = railPath_.pointAtPercent(0.16);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRailLand, 26.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(railPath_);
    // Bridge: parapets where the railway is over water.
    QPainterPath water;
    {
        QPolygonF poly;
        for (double u = -400.0; u <= kMapWidth + 400.0; u += 4.0) poly << Bend(u, kRiverV - RiverHalfWidth(u) + 1);
        for (double u = kMapWidth + 400.0; u >= -400.0; u -= 4.0) poly << Bend(u, kRiverV + RiverHalfWidth(u) - 1);
        water.addPolygon(poly);
    }
    p.save();
    p.setClipPath(water);
    p.setPen(QPen(kParapet, 16.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(railPath_);
    p.setPen(QPen(kRailLand, 12.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(railPath_);
    p.restore();

    // Platforms and the station building beside the track.
    const double angle = std::atan2(railPath_.slopeAtPercent(0.16), 1.0);
    p.save();
    p.translate(station_);
    p.rotate(angle * 180.0 / kPi);
    p.setPen(QPen(kSlabEdge, 1.0));
    p.setBrush(QColor(226, 222, 214));
    p.drawRect(QRectF(-60, -10, 120, 5));
    p.drawRect(QRectF(-60, 5, 120, 5));
    p.setPen(QPen(kLandmarkEdge, 1.0));
    p.setBrush(kLandmark);
    p.drawRect(QRectF(-34, -34, 68, 20));
    p.drawRect(QRectF(-10, -40, 20, 8));
    p.restore();

    // The track: the usual dark line with light dashes.
    p.setPen(QPen(kRail, 5.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(railPath_);
    QPen dashes(kStreet, 2.6, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({4.0, 4.0});
    p.setPen(dashes);
    p.drawPath(railPath_);
}

// ---------------------------------------------------------------------
// Lettering.

bool Town::Label(QPainter& p, const QString& text, QPointF at, double angle, const QFont& font, const QColor& colour,
                 const QColor& halo, double spacing, bool force) {
    QFont f = font;
    if (spacing != 0.0) f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    QPainterPath path = TextPath(text, f);
    const QRectF box = path.boundingRect();
    // Keep text upright.
    double a = angle;
    while (a > kPi / 2) a -= kPi;
    while (a < -kPi / 2) a += kPi;
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotateRadians(a);
    t.translate(-box.center().x(), -box.center().y());
    const QPolygonF shape = t.map(QPolygonF(box.adjusted(-3, -2, 3, 2)));
    if (!force) {
        const QRectF bounds = shape.boundingRect();
        if (bounds.left() < 2 || bounds.top() < 2 || bounds.right() > kMapWidth - 2 || bounds.bottom() > kMapHeight - 2)
            return false;
        for (const QPolygonF& other : labelShapes_)
            if (!shape.intersected(other).isEmpty()) return false;
    }
    labelShapes_.push_back(shape);
    const QPainterPath placed = t.map(path);
    if (halo.alpha() > 0) {
        p.setPen(QPen(halo, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(placed);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(placed);
    return true;
}

void Town::PaintLabels(QPainter& p) {
    const QColor halo(kStreet.red(), kStreet.green(), kStreet.blue(), 230);
    const QFont small = SansFont(10);
    const QFont medium = SansFont(12);
    const QFont mediumBold = SansFont(12, true);
    const QFont district = SansFont(19, true);

    // Landmarks first: they have the best right to their places.
    const QPointF sq = square_.center();
    Label(p, QStringLiteral("Rynek"), Bend(sq.x(), sq.y() + 22), BentAngle(sq.x(), sq.y(), 1, 0), mediumBold, kText,
          halo, 0.0, true);
    Label(p, QStringLiteral("Ratusz"), Bend(sq.x(), sq.y() - 20), BentAngle(sq.x(), sq.y(), 1, 0), small, kText, halo,
          0.0, true);
    Label(p, QStringLiteral("Dworzec PKP"), station_ + QPointF(0, -52), 0.0, mediumBold, kText, halo, 0.0, true);
    for (const Area& a : areas_) {
        const QRectF r = CellRect(a.i0, a.j0, a.i1, a.j1);
        const QPointF c = Bend(r.center());
        const double ang = BentAngle(r.center().x(), r.center().y(), 1, 0);
        switch (a.use) {
            case Use::Park:
                if (r.width() > 200)
                    Label(p, QStringLiteral("Park Miejski"), c + QPointF(0, -34), ang, mediumBold, kParkText, halo);
                else if (r.width() > 120)
                    Label(p, QStringLiteral("Park Źródliska"), c, ang, medium, kParkText, halo);
                else
                    Label(p, QStringLiteral("Skwer Łąkowy"), c, ang, small, kParkText, halo);
                break;
            case Use::Stadium:
                Label(p, QStringLiteral("Stadion Miejski"), c + QPointF(0, 42), ang, medium, kText, halo);
                break;
            case Use::Cemetery:
                Label(p, QStringLiteral("Cmentarz Parafialny"), c, ang, medium, kText, halo);
                break;
            case Use::Industry:
                if (r.height() > 150)
                    Label(p, QStringLiteral("Zakłady Mechaniczne „Świt”"), c, ang - kPi / 2, medium, kText, halo);
                else
                    Label(p, QStringLiteral("Elektrociepłownia"), c, ang, small, kText, halo);
                break;
            case Use::Allotments:
                Label(p, QStringLiteral("Ogródki działkowe „Róża”"), c, ang, medium, kParkText, halo);
                break;
            case Use::Forest:
                Label(p, c.x() < 400 ? QStringLiteral("Las Wierzbiński") : QStringLiteral("Las Dębowy"), c, ang,
                      mediumBold, kParkText, halo);
                break;
            default:
                break;
        }
    }
    Label(p, QStringLiteral("Rondo Dzwonników"), roundabout_ + QPointF(0, 38), 0.0, small, kText, halo);

    // The river's name, following its course.
    const QFont riverFont = SansFont(15, true);
    for (double u : {170.0, 620.0, 1190.0})
        Label(p, u < 1000 ? QStringLiteral("Modra") : QStringLiteral("rz. Modra"), Bend(u, kRiverV),
              BentAngle(u, kRiverV, 1, 0), riverFont, kWaterText, QColor(0, 0, 0, 0), 2.0, true);

    // Districts: big, spaced, see-through capitals.
    struct Place {
        const char16_t* name;
        QPointF at;
    };
    const Place districts[] = {
        {u"STARE MIASTO", {600, 250}}, {u"ŚRÓDMIEŚCIE", {930, 140}}, {u"ZARZECZE", {640, 790}}, {u"ŁĘGI", {190, 500}},
        {u"PODGÓRZE", {1140, 930}},    {u"NOWE MIASTO", {330, 320}}, {u"KOLONIA", {1280, 650}}, {u"BORKI", {200, 980}},
    };
    for (const Place& d : districts)
        Label(p, QString::fromUtf16(d.name), d.at, 0.0, district, kDistrictText, QColor(0, 0, 0, 0), 4.0, true);

    // Street names along the bent rows and columns.
    static const char16_t* rowNames[] = {
        u"ul. Długa",       u"ul. Kościelna", u"ul. Młyńska",    u"ul. Żeromskiego", u"ul. Słoneczna",
        u"ul. Kilińskiego", u"ul. Piekarska", u"ul. Źródlana",   u"ul. Ogrodowa",    u"ul. Sienkiewicza",
        u"ul. Żytnia",      u"ul. Łąkowa",    u"ul. Garncarska", u"ul. Pszczela",    u"ul. Świętojańska",
        u"ul. Miodowa",     u"ul. Polna",     u"ul. Różana",     u"ul. Wąska",       u"ul. Gęsia",
    };
    static const char16_t* colNames[] = {
        u"ul. Mickiewicza", u"ul. Słowackiego", u"ul. Kopernika", u"ul. Chopina",    u"ul. Ślusarska",
        u"ul. Dworcowa",    u"ul. Szkolna",     u"ul. Zielona",   u"ul. Jaśminowa",  u"ul. Leśna",
        u"ul. Sądowa",      u"ul. Krótka",      u"ul. Bażantów",  u"ul. Cicha",      u"ul. Rzeczna",
        u"ul. Złota",       u"ul. Wiśniowa",    u"ul. Tkacka",    u"ul. Nadbrzeżna", u"ul. Kwiatowa",
    };
    Prng rng(0x4E617A77u);
    std::size_t rowName = 0;
    std::size_t colName = 0;
    // Boulevards along the river first.
    Label(p, QStringLiteral("Bulwar Flisaków"), Bend(900.0, kRiverV - kEmbankment + 9.0),
          BentAngle(900.0, kRiverV - kEmbankment + 9.0, 1, 0), small, kText, halo);
    Label(p, QStringLiteral("Bulwar Nadrzeczny"), Bend(310.0, kRiverV + kEmbankment - 8.0),
          BentAngle(310.0, kRiverV + kEmbankment - 8.0, 1, 0), small, kText, halo);
    // The avenues.
    {
        const QLineF& a = avenues_[0];
        Label(p, QStringLiteral("Aleja Wolności"), a.pointAt(0.27), std::atan2(a.dy(), a.dx()), small, kText, halo);
        Label(p, QStringLiteral("Aleja Wolności"), a.pointAt(0.82), std::atan2(a.dy(), a.dx()), small, kText, halo);
        const QLineF& b = avenues_[1];
        Label(p, QStringLiteral("Aleja Lipowa"), b.pointAt(0.15), std::atan2(b.dy(), b.dx()), small, kText, halo);
        Label(p, QStringLiteral("Aleja Lipowa"), b.pointAt(0.72), std::atan2(b.dy(), b.dx()), small, kText, halo);
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t j = 1; j + 1 < rows_.size(); ++j) {
            const Line& row = rows_[j];
            if (row.main != (pass == 0) || std::abs(row.at - kRiverV) <= kEmbankment + 1) continue;
            const QString name = QString::fromUtf16(rowNames[rowName % std::size(rowNames)]);
            for (int attempt = 0; attempt < 6; ++attempt) {
                const double u = rng.Real(60.0, kMapWidth - 60.0);
                const QPointF at = Bend(u, row.at);
                if (at.y() < 10 || at.y() > kMapHeight - 10) break;
                if (Label(p, name, at, BentAngle(u, row.at, 1, 0), small, kText, halo)) {
                    ++rowName;
                    break;
                }
            }
        }
        for (std::size_t i = 1; i + 1 < cols_.size(); ++i) {
            const Line& col = cols_[i];
            if (col.main != (pass == 0)) continue;
            const QString name = QString::fromUtf16(colNames[colName % std::size(colNames)]);
            for (int attempt = 0; attempt < 6; ++attempt) {
                double v = rng.Real(40.0, kMapHeight - 40.0);
                if (std::abs(v - kRiverV) < kEmbankment + 30) continue;
                const QPointF at = Bend(col.at, v);
                if (at.x() < 10 || at.x() > kMapWidth - 10) break;
                if (Label(p, name, at, BentAngle(col.at, v, 0, 1), small, kText, halo)) {
                    ++colName;
                    break;
                }
            }
        }
    }
}

void Town::PaintDecorations(QPainter& p) {
    // Title panel in the top-left corner.
    const QRectF panel(12, 12, 206, 58);
    p.setPen(QPen(QColor(150, 138, 120), 1.2));
    p.setBrush(QColor(248, 245, 236, 235));
    p.drawRoundedRect(panel, 4, 4);
    p.setPen(QPen(QColor(196, 184, 164), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(3, 3, -3, -3), 3, 3);
    QFont title = SansFont(24, true);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    QPainterPath t = TextPath(QStringLiteral("DZWONÓW"), title);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(92, 76, 60));
    p.drawPath(t.translated(panel.left() + (panel.width() - t.boundingRect().width()) / 2 - t.boundingRect().left(),
                            panel.top() + 32));
    QPainterPath s = TextPath(QStringLiteral("plan miasta  ·  skala 1:10 000"), SansFont(10));
    p.setBrush(QColor(120, 106, 90));
    p.drawPath(s.translated(panel.left() + (panel.width() - s.boundingRect().width()) / 2 - s.boundingRect().left(),
                            panel.top() + 49));

    // Compass rose and scale bar in the bottom-right corner.
    const QPointF c(kMapWidth - 52.0, kMapHeight - 88.0);
    p.setPen(QPen(QColor(130, 118, 102), 1.0));
    p.setBrush(QColor(248, 245, 236, 200));
    p.drawEllipse(c, 24, 24);
    QPolygonF north;
    north << c + QPointF(0, -22) << c + QPointF(6, 0) << c + QPointF(0, 4) << c + QPointF(-6, 0);
    QPolygonF south;
    south << c + QPointF(0, 22) << c + QPointF(6, 0) << c + QPointF(0, -4) << c + QPointF(-6, 0);
    p.setBrush(QColor(236, 230, 216));
    p.drawPolygon(south);
    p.setBrush(QColor(150, 92, 72));
    p.drawPolygon(north);
    QPainterPath n = TextPath(QStringLiteral("N"), SansFont(12, true));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 90, 70));
    p.drawPath(n.translated(c.x() - n.boundingRect().center().x(), c.y() - 29));

    const QPointF bar(kMapWidth - 176.0, kMapHeight - 30.0);
    p.setPen(QPen(QColor(110, 98, 84), 1.0));
    for (int k = 0; k < 4; ++k) {
        p.setBrush(k % 2 ? QColor(248, 245, 236) : QColor(120, 106, 90));
        p.drawRect(QRectF(bar.x() + k * 25.0, bar.y(), 25.0, 5.0));
    }
    const QFont tiny = SansFont(10);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 98, 84));
    QPainterPath zero = TextPath(QStringLiteral("0"), tiny);
    p.drawPath(zero.translated(bar.x() - 3, bar.y() - 4));
    QPainterPath metres = TextPath(QStringLiteral("250 m"), tiny);
    p.drawPath(metres.translated(bar.x() + 100 - metres.boundingRect().width() / 2, bar.y() - 4));
}

void Town::Paint(QPainter& p) {
    p.fillRect(QRectF(0, 0, kMapWidth, kMapHeight), kStreet);

    // Bridges: the main streets nearest to these places along the river.
    for (double u : {130.0, 560.0, 1330.0}) {
        int best = 1;
        for (std::size_t i = 1; i + 1 < cols_.size(); ++i)
            if (cols_[i].main && std::abs(cols_[i].at - u) < std::abs(cols_[static_cast<std::size_t>(best)].at - u))
                best = static_cast<int>(i);
        bridgeColumns_.push_back(best);
    }

    Prng rng(0x426C6F6Bu);
    for (std::size_t j = 0; j + 1 < rows_.size(); ++j) {
        if (RowGapIsRiver(static_cast<int>(j))) continue;
        for (std::size_t i = 0; i + 1 < cols_.size(); ++i) {
            const QRectF r =
                CellRect(static_cast<int>(i), static_cast<int>(j), static_cast<int>(i + 1), static_cast<int>(j + 1));
            // Skip what lies wholly outside the picture.
            const QRectF onPicture = BentQuad(r.left(), r.top(), r.right(), r.bottom()).boundingRect();
            Prng cellRng(rng.Next());
            if (!onPicture.intersects(QRectF(-20, -20, kMapWidth + 40, kMapHeight + 40))) continue;
            PaintCell(p, r, uses_[j * cols_.size() + i], cellRng);
        }
    }
    for (const Area& a : areas_) {
        Prng areaRng(rng.Next());
        PaintCell(p, CellRect(a.i0, a.j0, a.i1, a.j1), a.use, areaRng);
    }
    PaintRiver(p);
    PaintBridges(p);
    PaintAvenues(p);
    PaintRailway(p);
    PaintLabels(p);
    PaintDecorations(p);
}

}  // namespace

QImage DrawMap() {
    QImage image(kMapWidth, kMapHeight, QImage::Format_RGB32);
    image.fill(kStreet);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    Town town;
    town.Paint(p);
    p.end();
    return image;
}

}  // namespace dzwonex::assetgen
