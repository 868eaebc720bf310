#include "FittedAmount.h"

#include <cmath>

#include <QRegularExpression>

#include "Amounts.h"
#include "Controls.h"

namespace dzwonex {

namespace {

// Digits with single separators between them: "2147 483 647", "2,147,483,647".
const QRegularExpression& DigitRun() {
    static const QRegularExpression run(QStringLiteral("\\d(?:[ ,]?\\d)*"));
    return run;
}

struct Unit {
    double size;
    const char* polish;
    const char* english;
};
constexpr Unit kUnits[] = {{1e9, "mld", "bn"}, {1e6, "mln", "m"}, {1e3, "tys.", "k"}};

}  // namespace

QString ShortenedAmount(const QString& exact, int decimals) {
    const QRegularExpressionMatch match = DigitRun().match(exact);
    if (!match.hasMatch()) return exact;
    QString digits = match.captured();
    const bool english = digits.contains(QLatin1Char(','));
    digits.remove(QLatin1Char(' ')).remove(QLatin1Char(','));
    if (digits.size() < 4) return exact;
    const double magnitude = digits.toDouble();
    const double scale = std::pow(10.0, decimals);
    // The largest unit that leaves at least one whole: 999 999 is "1,0 mln",
    // not "1000,0 tys.".
    for (const Unit& unit : kUnits) {
        const double shown = RoundHalfEven(magnitude / unit.size * scale) / scale;
        if (shown < 1) continue;
        QString number = QString::number(shown, 'f', decimals);
        if (!english) number.replace(QLatin1Char('.'), QLatin1Char(','));
        const QString word = QString::fromLatin1(english ? unit.english : unit.polish);
        return exact.left(match.capturedStart()) + number + QLatin1Char(' ') + word + exact.mid(match.capturedEnd());
    }
    return exact;
}

namespace {

// Whether the text surely fits `room` without shaping it: the glyphs'
// own advances, each rounded up a pixel for rounding and kerning, are
// cheap to add, where shaping the whole text is not (a new game fills the
// counts hundreds of times before its first paint).
bool SurelyFits(const QFontMetrics& metrics, const QString& text, int room) {
    int width = 0;
    for (const QChar c : text) {
        width += metrics.horizontalAdvance(c) + 1;
        if (width > room) return false;
    }
    return true;
}

}  // namespace

void ShowAmount(QLabel* label, const QString& exact) {
    // Shown already, whole or shortened: the figure is as it was.
    const QString tip = label->toolTip();
    if (tip.isEmpty() ? label->text() == exact : tip == PlainToolTip(exact)) return;
    const QFontMetrics metrics = label->fontMetrics();
    const int room = label->contentsRect().width();
    QString shown = exact;
    if (!SurelyFits(metrics, shown, room)) {
        for (int decimals = 1; decimals >= 0 && metrics.horizontalAdvance(shown) > room; --decimals)
            shown = ShortenedAmount(exact, decimals);
    }
    label->setText(shown);
    label->setToolTip(shown == exact ? QString() : PlainToolTip(exact));
}

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Whether the space at `at` joins parts of one amount: digit groups
// ("1 006"), a number and "zł", or "PLN" and a number, signed or not.
bool JoinsAnAmount(QStringView text, qsizetype at) {
    const qsizetype n = text.size();
    if (at > 0 && IsDigit(text[at - 1])) {
        if (text.sliced(at + 1).startsWith(u"zł")) return true;
        if (at + 3 < n && IsDigit(text[at + 1]) && IsDigit(text[at + 2]) && IsDigit(text[at + 3]) &&
            (at + 4 == n || !IsDigit(text[at + 4])))
            return true;
    }
    if (at >= 3 && text.sliced(at - 3, 3) == u"PLN") {
        qsizetype next = at + 1;
        if (next < n && (text[next] == u'-' || text[next] == u'\u2212' || text[next] == u'+')) ++next;
        return next < n && IsDigit(text[next]);
    }
    return false;
}

}  // namespace

QString AmountsUnbroken(const QString& text) {
    // A plain scan: a pattern for this is compiled on the first letter
    // shown, a third of a millisecond of the start-up.
    QString unbroken = text;
    for (qsizetype at = 0; at < text.size(); ++at)
        if (text[at] == u' ' && JoinsAnAmount(text, at)) unbroken[at] = QChar(0x00A0);
    return unbroken;
}

}  // namespace dzwonex
