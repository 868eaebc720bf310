// The window in Polish and in English: every caption fits its control in
// both, the Menu page switches the whole window and the next start, and a
// first start speaks the system's language.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScrollBar>
#include <QSettings>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include "Amounts.h"
#include "Changes.h"
#include "FeedbackLine.h"
#include "HelpDialog.h"
#include "HelpText.h"
#include "HistoryChart.h"
#include "Logo.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

std::function<void(TfrmMainOptions&)> Speaking(std::optional<Language> language) {
    return [language](TfrmMainOptions& o) { o.language = language; };
}

// The caption of a control and the room it is drawn in, in the parent's
// coordinates.
struct Drawn {
    QWidget* control;
    QString text;
    QRect room;
    QRect ink;  // where the caption is drawn
};

QString Name(const QWidget* control) {
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

QRect Aligned(Qt::Alignment align, const QRect& room, int width) {
    const int h = align & Qt::AlignHorizontal_Mask;
    const int left = h & Qt::AlignRight     ? room.right() + 1 - width
                     : h & Qt::AlignHCenter ? room.left() + (room.width() - width) / 2
                                            : room.left();
    return {left, room.top(), width, room.height()};
}

// Every caption a control on show draws: labels, buttons, check boxes,
// the languages of the combo box, the tabs.
std::vector<Drawn> Captions(QWidget* top) {
    std::vector<Drawn> out;
    auto add = [&out](QWidget* c, const QString& text, const QRect& local, Qt::Alignment align) {
        const int width = c->fontMetrics().horizontalAdvance(text);
        const QRect room = local.translated(c->pos());
        out.push_back({c, text, room, Aligned(align, room, width)});
    };
    for (QWidget* c : top->findChildren<QWidget*>()) {
        if (!c->isVisible() || qobject_cast<TFeedbackLine*>(c)) continue;  // the feedback line cuts itself
        if (auto* label = qobject_cast<QLabel*>(c); label && !label->text().isEmpty()) {
            add(label, label->text(), label->contentsRect(), label->alignment());
        } else if (auto* button = qobject_cast<QAbstractButton*>(c); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool box = qobject_cast<QCheckBox*>(button) != nullptr;
            const QRect room = button->style()->subElementRect(
                box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
            add(button, button->text(), room, box ? Qt::AlignLeft : Qt::AlignHCenter);
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            const QRect room =
                combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            for (int i = 0; i < combo->count(); ++i) add(combo, combo->itemText(i), room, Qt::AlignLeft);
        } else if (auto* tabs = qobject_cast<TButtonTabBar*>(c)) {
            for (int i = 0; i < tabs->count(); ++i) {
                QStyleOptionButton option;
                option.initFrom(tabs);
                option.rect = tabs->ButtonRect(i);
                option.text = tabs->tabText(i);
                add(tabs, option.text, tabs->style()->subElementRect(QStyle::SE_PushButtonContents, &option, tabs),
                    Qt::AlignHCenter);
            }
        }
    }
    return out;
}

// Each caption is as wide as its room at most, stays inside its panel and
// the box it stands in, and no two captions on a panel run into each other.
void ExpectFits(const std::vector<Drawn>& captions) {
    for (const Drawn& d : captions) {
        SCOPED_TRACE(Name(d.control).toStdString() + ": " + d.text.toStdString());
        EXPECT_LE(d.ink.width(), d.room.width());
        QWidget* parent = d.control->parentWidget();
        EXPECT_TRUE(parent->rect().contains(d.ink)) << "beyond " << Name(parent).toStdString();
        for (const TShape* box : parent->findChildren<TShape*>(Qt::FindDirectChildrenOnly)) {
            if (!box->isVisible() || !box->geometry().contains(d.control->geometry().topLeft())) continue;
            EXPECT_TRUE(box->geometry().adjusted(1, 1, -1, -1).contains(d.ink)) << "out of " << Name(box).toStdString();
        }
        for (const Drawn& other : captions) {
            if (other.control == d.control || other.control->parentWidget() != parent) continue;
            EXPECT_FALSE(d.ink.intersects(other.ink)) << "over " << Name(other.control).toStdString();
        }
    }
}

class LanguageTest : public ::testing::Test {
protected:
    TestAssets assets;
};

TEST_F(LanguageTest, EveryCaptionFitsItsControlInEachLanguage) {
    for (const Language language : {Language::Polish, Language::English}) {
        SCOPED_TRACE(LanguageCode(language));
        WindowUnderTest w(assets.Dir(), 12345, false, Speaking(language));
        w.Show();
        // The box of the "Gra" box's last button, shown once a game was kept.
        w.tabMenu->ShowContinue(true);
        for (int page : {kPageMap, kPageStat, kPageCases, kPageMenu}) {
            SCOPED_TRACE(page);
            w.PageControl->SetActivePage(page);
            QCoreApplication::processEvents();
            const std::vector<Drawn> captions = Captions(w.window.get());
            EXPECT_GE(captions.size(), 8u);
            ExpectFits(captions);
        }
        TfrmLogo logo(assets.Dir(), {}, {}, w.window.get());
        logo.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&logo));
        ExpectFits(Captions(&logo));
        // The help's lines are whole, without scrolling sideways.
        w->ShowHelp();
        QCoreApplication::processEvents();
        EXPECT_EQ(w.frmPomoc()->Text()->horizontalScrollBar()->maximum(), 0);
    }
}

TEST_F(LanguageTest, TheMenuPageSwitchesTheWholeWindowAndTheNextStart) {
    {
        WindowUnderTest w(assets.Dir());
        w.Show();
        w->Controller().Clock().StopMainTimer();
        w->ShowHelp();
        w.PageControl->SetActivePage(kPageMenu);
        ASSERT_EQ(w.cbJezyk->currentText(), "Polski");
        QTest::keyClick(w.cbJezyk, Qt::Key_Down);

        EXPECT_EQ(w->Controller().Languages().Current(), Language::English);
        EXPECT_EQ(w->Game().TextLanguage(), Language::English);
        EXPECT_EQ(QSettings().value("window/language").toString(), "en");
        EXPECT_EQ(w.cbJezyk->currentText(), "English");
        TButtonTabBar* tabs = w.PageControl->TabBar();
        EXPECT_EQ(tabs->tabText(kPageMap), "Map");
        EXPECT_EQ(tabs->tabText(kPageStat), "Statistics");
        EXPECT_EQ(tabs->tabText(kPageCases), QString("Cases (%1)").arg(w->Game().Cases().size()));
        EXPECT_EQ(w.btnYes->text(), "Yes");
        EXPECT_EQ(w.btnNo->text(), "No");
        EXPECT_EQ(w.chkMuzyka->text(), "Music");
        EXPECT_EQ(w.btnNowaGra->text(), "New game");
        EXPECT_EQ(w.chartHistoria->GroupButton(THistoryChart::gCash)->text(), "Cash");
        EXPECT_EQ(w.btnYes->accessibleName(), "Yes");
        // The company's labels in the language's numbers.
        EXPECT_EQ(w.lblKasa->text().toStdString(), FormatMoney(w->Game().Cash().Value(), Language::English));
        EXPECT_TRUE(w.lblSpeed2->text().startsWith("Year: ")) << w.lblSpeed2->text().toStdString();
        // The help already open follows.
        EXPECT_EQ(w.frmPomoc()->Text()->toPlainText(), QString::fromUtf8(GameHelp(Language::English)));
        EXPECT_EQ(w.frmPomoc()->CloseButton()->text(), "Close");
        // What a day changed is told in English too, in its numbers, once
        // the start's line has been read; first the kinds the first day
        // finds leaving, held in place of that day's news.
        w.lblZmiany->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
        w->Controller().Clock().MainTimerTimer();
        EXPECT_TRUE(w.lblZmiany->FullText().contains("SDI and Neostrada (opinion + quality < 5)"))
            << w.lblZmiany->FullText().toStdString();
        w.lblZmiany->Hold()->setCurrentTime(TFeedbackLine::kHoldMs);
        w->Controller().Clock().MainTimerTimer();
        EXPECT_TRUE(w.lblZmiany->FullText().startsWith("Cash ")) << w.lblZmiany->FullText().toStdString();
        Effects effects;
        effects.cash = -1234567;
        effects.opinion = -1;
        effects.counts[skIsdn - 1] = 37;
        effects.newCases = 2;
        EXPECT_EQ(JoinChanges(DescribeEffects(effects, Language::English)),
                  "Cash −PLN 1,234,567 · Opinion −1 · ISDN +37 · Cases +2");
        w->close();
    }
    // The next start, without a language of its own, takes the choice.
    WindowUnderTest w(assets.Dir(), 12345, false, Speaking(std::nullopt));
    EXPECT_EQ(w->Controller().Languages().Current(), Language::English);
    EXPECT_EQ(w.PageControl->TabBar()->tabText(kPageMap), "Map");
    EXPECT_EQ(w->Game().Cases().front().title, "Welcome!");
    // And back: every caption in Polish again.
    w.PageControl->SetActivePage(kPageMenu);
    QTest::keyClick(w.cbJezyk, Qt::Key_Up);
    EXPECT_EQ(QSettings().value("window/language").toString(), "pl");
    EXPECT_EQ(w.PageControl->TabBar()->tabText(kPageMap), "Mapa");
    EXPECT_EQ(w.btnNowaGra->text(), "Nowa gra");
    EXPECT_EQ(w.lblKasa->text().toStdString(), FormatMoney(w->Game().Cash().Value(), Language::Polish));
}

// QLocale's default for the length of a test.
class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(before_); }

private:
    QLocale before_;
};

TEST_F(LanguageTest, AFirstStartSpeaksTheSystemsLanguageUnlessThePlayerChose) {
    struct Row {
        QLocale locale;
        Language language;
        const char* welcome;
    };
    const Row rows[] = {
        {QLocale(QLocale::Polish, QLocale::Poland), Language::Polish, "Witaj !"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), Language::English, "Welcome!"},
        {QLocale(QLocale::German, QLocale::Germany), Language::English, "Welcome!"},
        {QLocale::c(), Language::English, "Welcome!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale.name().toStdString());
        const DefaultLocale system(row.locale);
        WindowUnderTest w(assets.Dir(), 12345, false, Speaking(std::nullopt));
        EXPECT_EQ(w->Controller().Languages().Current(), row.language);
        EXPECT_EQ(w->Game().Cases().front().title, row.welcome);
        EXPECT_EQ(w.cbJezyk->currentIndex(), row.language == Language::Polish ? 0 : 1);
    }
    // A choice on the Menu page outweighs the system; a spoilt one does not.
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    QSettings().setValue("window/language", "pl");
    EXPECT_EQ(WindowUnderTest(assets.Dir(), 1, false, Speaking(std::nullopt))->Controller().Languages().Current(),
              Language::Polish);
    QSettings().setValue("window/language", "klingon");
    EXPECT_EQ(WindowUnderTest(assets.Dir(), 1, false, Speaking(std::nullopt))->Controller().Languages().Current(),
              Language::English);
}

// The file dialogs are Qt's own: their words come from Qt's translations,
// which the set-up installs with the game's.
TEST_F(LanguageTest, QtsOwnDialogsSpeakTheGamesLanguage) {
    if (!QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_pl.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";
    WindowUnderTest w(assets.Dir(), 1, false, Speaking(Language::Polish));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QString::fromUtf8("Szukaj w:"));
    w->Controller().Languages().Pick(Language::English);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), "Look in:");
}

}  // namespace
}  // namespace dzwonex::uitest
