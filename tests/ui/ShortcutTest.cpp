// Which addresses a banner shortcut and the mail link may open.
#include <gtest/gtest.h>

#include "Shortcut.h"

namespace dzwonex {
namespace {

std::optional<QString> Link(const char* contents) {
    auto url = WebLinkFromShortcut(QByteArray(contents));
    if (!url) return std::nullopt;
    return url->toString();
}

TEST(ShortcutTest, WebAddressesAreOpened) {
    EXPECT_EQ(Link("[InternetShortcut]\r\nURL=https://dzwonex.example/\r\n"), "https://dzwonex.example/");
    EXPECT_EQ(Link("[InternetShortcut]\nURL=http://dzwonex.example/a?b=c\n"), "http://dzwonex.example/a?b=c");
    // Other sections, other keys, spaces and letter case do not matter.
    EXPECT_EQ(Link("[DEFAULT]\nBASEURL=file:///etc\n[InternetShortcut]\nIconIndex=0\n  url = HTTPS://Example.org/x \n"),
              "https://example.org/x");
}

TEST(ShortcutTest, AnythingElseIsIgnored) {
    for (const char* contents : {
             "[InternetShortcut]\nURL=file:///bin/sh\n",
             "[InternetShortcut]\nURL=/usr/bin/xterm\n",
             "[InternetShortcut]\nURL=javascript:alert(1)\n",
             "[InternetShortcut]\nURL=ftp://example.org/\n",
             "[InternetShortcut]\nURL=http:relative\n",
             "[InternetShortcut]\nURL=https://\n",
             "[InternetShortcut]\nURL=\n",
             "[InternetShortcut]\nURL=smb://server/share/setup.exe\n",
             // An address outside its section does not count.
             "[Other]\nURL=https://example.org/\n",
             "URL=https://example.org/\n",
             "",
         }) {
        EXPECT_FALSE(Link(contents).has_value()) << contents;
    }
    // The first URL line decides, a later good one does not rescue it.
    EXPECT_FALSE(Link("[InternetShortcut]\nURL=file:///bin/sh\nURL=https://example.org/\n").has_value());
}

TEST(ShortcutTest, MissingShortcutFileOpensNothing) {
    EXPECT_FALSE(WebLinkFromShortcutFile("/nonexistent/Banner.url").has_value());
}

TEST(ShortcutTest, OnlyMailtoAddressesPassAsMailLinks) {
    EXPECT_EQ(MailLink("mailto:kontakt@dzwonex.example")->toString(), "mailto:kontakt@dzwonex.example");
    EXPECT_FALSE(MailLink("mailto:").has_value());
    EXPECT_FALSE(MailLink("https://dzwonex.example/").has_value());
    EXPECT_FALSE(MailLink("file:///bin/sh").has_value());
}

}  // namespace
}  // namespace dzwonex
