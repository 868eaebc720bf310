// The window's one language: where the start takes it from, what a pick
// remembers, and a language installed by someone else.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "LanguageSwitch.h"
#include "Settings.h"
#include "Translations.h"

namespace dzwonex::uitest {
namespace {

class LanguageSwitchTest : public ::testing::Test {
protected:
    void TearDown() override { InstallLanguage(Language::Polish); }
    QTemporaryDir folder;
    Settings settings{folder.filePath(QStringLiteral("dzwonex.conf"))};
};

TEST_F(LanguageSwitchTest, TheCommandLineThenThePlayersChoiceThenTheSystem) {
    const QLocale polish(QLocale::Polish), german(QLocale::German);
    EXPECT_EQ(LanguageSwitch::StartLanguage(settings, std::nullopt, polish), Language::Polish);
    EXPECT_EQ(LanguageSwitch::StartLanguage(settings, std::nullopt, german), Language::English);
    settings.SetChosenLanguage(Language::English);
    EXPECT_EQ(LanguageSwitch::StartLanguage(settings, std::nullopt, polish), Language::English);
    EXPECT_EQ(LanguageSwitch::StartLanguage(settings, Language::Polish, german), Language::Polish);
}

TEST_F(LanguageSwitchTest, APickIsHeardOnceAndRememberedOnlyWhenAsked) {
    LanguageSwitch languages(settings);
    std::vector<Language> heard;
    QObject::connect(&languages, &LanguageSwitch::Changed, [&](Language l) { heard.push_back(l); });
    languages.Pick(Language::English);
    EXPECT_EQ(languages.Current(), Language::English);
    EXPECT_EQ(settings.ChosenLanguage(), std::nullopt);
    languages.Pick(Language::Polish, true);
    EXPECT_EQ(settings.ChosenLanguage(), Language::Polish);
    EXPECT_EQ(heard, (std::vector<Language>{Language::English, Language::Polish}));
    // The installation's own announcement finds the game speaking it already.
    languages.Follow(Language::Polish);
    EXPECT_EQ(heard.size(), 2u);
}

TEST_F(LanguageSwitchTest, ALanguageInstalledElsewhereIsFollowed) {
    LanguageSwitch languages(settings);
    std::vector<Language> heard;
    QObject::connect(&languages, &LanguageSwitch::Changed, [&](Language l) { heard.push_back(l); });
    InstallLanguage(Language::English);
    languages.Follow(Language::Polish);
    EXPECT_EQ(heard, std::vector<Language>{Language::English});
    EXPECT_EQ(settings.ChosenLanguage(), std::nullopt);
}

}  // namespace
}  // namespace dzwonex::uitest
