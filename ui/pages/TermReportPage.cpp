#include "TermReportPage.h"

#include <algorithm>
#include <iterator>

#include "RatingParts.h"
#include "RecordsTable.h"
#include "TermChart.h"
#include "TermDialog.h"

namespace dzwonex {

namespace {

constexpr int kLeftBox = 337;  // the report's box; the records take the rest

// "rok 3, miesiąc 7" of a game's day.
QString When(int32_t day) {
    return TermReportPage::tr("rok %1, miesiąc %2").arg(day / Term::kYearDays + 1).arg(day % Term::kYearDays / 30 + 1);
}

// The board's verdict in a line, by the final rating's band. The bands
// follow what strategies score over a five-year term: a manager who reads
// the cases reaches 900 and more, accepting everything about 500, leaving
// the inbox alone under 300.
QString Verdict(const TermReport& report) {
    if (report.end == TermEnd::Dismissed)
        return TermReportPage::tr("Werdykt zarządu: firma w długach, dyrektor odwołany.");
    struct Band {
        int32_t from;
        const char* text;
    };
    static const Band bands[] = {
        {900, QT_TRANSLATE_NOOP("dzwonex::TermReportPage",
                                "Werdykt zarządu: znakomita kadencja, tak prowadzą firmę najlepsi.")},
        {700, QT_TRANSLATE_NOOP("dzwonex::TermReportPage", "Werdykt zarządu: dobra kadencja, firma rośnie i zarabia.")},
        {500, QT_TRANSLATE_NOOP("dzwonex::TermReportPage", "Werdykt zarządu: przyzwoita kadencja, jest co poprawiać.")},
        {300, QT_TRANSLATE_NOOP("dzwonex::TermReportPage", "Werdykt zarządu: słaba kadencja, firma ledwo się trzyma.")},
        {0, QT_TRANSLATE_NOOP("dzwonex::TermReportPage",
                              "Werdykt zarządu: zła kadencja, firma traci pieniądze i abonentów.")},
    };
    for (const Band& band : bands)
        if (report.finalRating.total >= band.from) return TermReportPage::tr(band.text);
    return TermReportPage::tr(bands[std::size(bands) - 1].text);
}

}  // namespace

TermReportPage::TermReportPage(QWidget* parent) : TPanel(parent) {
    setObjectName(QStringLiteral("pnlRaport"));
    OnResize = [this] {
        if (btnGrajDalej_) LayOut();
    };
}

void TermReportPage::Build() {
    // Most games never end a term: the report is made the first time one does.
    if (btnGrajDalej_) return;
    shapeRaport_ = Shape(this, "shapeRaport", {}, kBoxFill);
    shapeRekordy_ = Shape(this, "shapeRekordy", {}, kBoxFill);
    lblRaportTytul_ = FixedLabel(this, "lblRaportTytul", QString(), {}, true);
    lblRaportOkres_ = FixedLabel(this, "lblRaportOkres", QString(), {});
    lblRaportOcena_ = FixedLabel(this, "lblRaportOcena", QString(), {}, true);
    lblWerdykt_ = FixedLabel(this, "lblWerdykt", QString(), {});
    parts_ = new TRatingParts(QStringLiteral("Raport"), 1, this);
    chartKadencja_ = new TTermChart(this);
    chartKadencja_->setObjectName(QStringLiteral("chartKadencja"));
    lblNajlepszy_ = FixedLabel(this, "lblNajlepszy", QString(), {});
    lblNajgorszy_ = FixedLabel(this, "lblNajgorszy", QString(), {});
    lblRekordyTytul_ = FixedLabel(this, "lblRekordyTytul", QString(), {}, true);
    lblMiejsce_ = FixedLabel(this, "lblMiejsce", QString(), {});
    tblNajlepsi_ = new TRecordsTable(this);
    tblNajlepsi_->setObjectName(QStringLiteral("tblNajlepsi"));
    btnGrajDalej_ = new QPushButton(this);
    btnGrajDalej_->setObjectName(QStringLiteral("btnGrajDalej"));
    btnGrajDalej_->setDefault(true);
    connect(btnGrajDalej_, &QPushButton::clicked, this, &TermReportPage::PlayOn);
    LayOut();
    RetranslateUi();
}

void TermReportPage::LayOut() {
    // Both boxes as tall as the page; the chart takes what the texts leave.
    const int h = std::max(0, height() - 16);
    const int right = kLeftBox + 16;
    const int rightWidth = std::max(0, width() - right - 8);
    shapeRaport_->setGeometry(8, 8, kLeftBox, h);
    shapeRekordy_->setGeometry(right, 8, rightWidth, h);
    const int inner = kLeftBox - 16;
    lblRaportTytul_->setGeometry(16, 16, inner, 13);
    SetPlannedWidth(lblRaportTytul_, inner);
    lblRaportOkres_->setGeometry(16, 32, inner, 13);
    SetPlannedWidth(lblRaportOkres_, inner);
    lblRaportOcena_->setGeometry(16, 52, inner, 13);
    SetPlannedWidth(lblRaportOcena_, inner);
    lblWerdykt_->setGeometry(16, 68, inner, 13);
    SetPlannedWidth(lblWerdykt_, inner);
    parts_->setGeometry(16, 88, inner, parts_->RowsHeight());
    const int bottom = 8 + h;
    lblNajgorszy_->setGeometry(16, bottom - 21, inner, 13);
    lblNajlepszy_->setGeometry(16, bottom - 37, inner, 13);
    for (QLabel* label : {lblNajlepszy_, lblNajgorszy_}) SetPlannedWidth(label, inner);
    const int chartTop = parts_->geometry().bottom() + 6;
    chartKadencja_->setGeometry(16, chartTop, inner, std::max(0, bottom - 41 - chartTop));

    const int rightInner = std::max(0, rightWidth - 16);
    lblRekordyTytul_->setGeometry(right + 8, 16, rightInner, 13);
    lblMiejsce_->setGeometry(right + 8, 32, rightInner, 13);
    for (QLabel* label : {lblRekordyTytul_, lblMiejsce_}) SetPlannedWidth(label, rightInner);
    tblNajlepsi_->setGeometry(right + 8, 52, rightInner, TRecordsTable::kFullHeight);
    btnGrajDalej_->setGeometry(right + 8 + rightInner - 161, bottom - 33, 161, 25);
}

void TermReportPage::ShowReport(const TermReport& report, const std::vector<RecordRow>& table, int32_t place) {
    report_ = report;
    table_ = table;
    place_ = place;
    Build();
    ShowTexts();
}

void TermReportPage::ShowTexts() {
    const TermReport& r = report_;
    const bool dismissed = r.end == TermEnd::Dismissed;
    ShowCaption(lblRaportTytul_, dismissed ? tr("Zarząd odwołał dyrektora: kadencja przerwana")
                                           : tr("Koniec kadencji (%1)").arg(TermLengthText(r.years)));
    ShowCaption(lblRaportOkres_, tr("Od: %1 — do: %2").arg(When(r.startDay), When(r.endDay)));
    ShowCaption(lblRaportOcena_, tr("Ocena końcowa: %1 / %2").arg(r.finalRating.total).arg(Rating::kTotalMaximum));
    ShowCaption(lblWerdykt_, Verdict(r));
    parts_->Show(r.finalRating);
    chartKadencja_->Show(r.monthlyRatings, r.best.number, r.worst.number);
    const bool months = r.best.number > 0;
    ShowCaption(lblNajlepszy_, months ? tr("Najlepszy miesiąc: %1. (%2 pkt)").arg(r.best.number).arg(r.best.rating)
                                      : tr("Najlepszy miesiąc: brak"));
    ShowCaption(lblNajgorszy_, months ? tr("Najgorszy miesiąc: %1. (%2 pkt)").arg(r.worst.number).arg(r.worst.rating)
                                      : tr("Najgorszy miesiąc: brak"));
    ShowCaption(lblRekordyTytul_, tr("Najlepsi dyrektorzy: kadencja %1").arg(TermLengthText(r.years)));
    QString place;
    if (dismissed)
        place = tr("Odwołany dyrektor nie trafia do tabeli.");
    else if (place_ > 0)
        place = tr("Twoje miejsce: %1.").arg(place_);
    else
        place = tr("Tym razem poza pierwszą dziesiątką.");
    ShowCaption(lblMiejsce_, place);
    tblNajlepsi_->ShowRows(table_, place_);
    for (QLabel* label : {lblRaportTytul_, lblRaportOkres_, lblRaportOcena_, lblWerdykt_, lblNajlepszy_, lblNajgorszy_,
                          lblRekordyTytul_, lblMiejsce_})
        label->setAccessibleDescription(label->text());
}

void TermReportPage::RetranslateUi() {
    Describe(this, tr("Raport kadencji"), tr("Ocena kadencji, jej miesiące i najlepsi dyrektorzy"));
    if (!btnGrajDalej_) return;
    btnGrajDalej_->setText(tr("Graj dalej bez kadencji"));
    Describe(btnGrajDalej_, tr("Graj dalej"), tr("Zamyka raport; gra toczy się dalej bez kadencji. Enter"));
    Describe(lblRaportTytul_, tr("Raport kadencji"), QString());
    Describe(lblRaportOkres_, tr("Okres kadencji"), QString());
    Describe(lblRaportOcena_, tr("Ocena końcowa"), QString());
    Describe(lblWerdykt_, tr("Werdykt zarządu"), QString());
    Describe(lblNajlepszy_, tr("Najlepszy miesiąc"), QString());
    Describe(lblNajgorszy_, tr("Najgorszy miesiąc"), QString());
    Describe(lblRekordyTytul_, tr("Najlepsi dyrektorzy"), QString());
    Describe(lblMiejsce_, tr("Miejsce w tabeli"), QString());
    parts_->RetranslateUi();
    chartKadencja_->RetranslateUi();
    tblNajlepsi_->RetranslateUi();
    ShowTexts();
}

}  // namespace dzwonex
