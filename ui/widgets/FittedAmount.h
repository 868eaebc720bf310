#pragma once
#include <QLabel>
#include <QString>

namespace dzwonex {

// The amount as the language writes it in a few characters: the digits
// become thousands, millions or billions with one decimal ("decimals"),
// and whatever stands around them (the sign, "zł", "PLN") stays:
// "-2147 483 648 zł" gives "-2,1 mld zł", "PLN 2,147,483,647" gives
// "PLN 2.1 bn". The language is read from the text: English groups its
// digits with commas. A text without a number of four digits or more
// comes back as it is.
QString ShortenedAmount(const QString& exact, int decimals = 1);

// Shows the amount whole when it fits the label with its font; otherwise
// shortened, with the whole amount in the tooltip.
void ShowAmount(QLabel* label, const QString& exact);

// The text with every amount held together with its unit, for text that
// wraps: the spaces between digit groups, before "zł" and after "PLN"
// become no-break spaces ("1 006 zł" never ends a line at "1 006").
QString AmountsUnbroken(const QString& text);

}  // namespace dzwonex
