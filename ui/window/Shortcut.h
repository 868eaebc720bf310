#pragma once
#include <optional>

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace dzwonex {

// The web address an Internet shortcut file names: the URL= line of its
// [InternetShortcut] section. Only an absolute http or https address with
// a host is returned; anything else (a program, a local file, a script)
// gives nothing, so opening the banner never runs what the file names.
std::optional<QUrl> WebLinkFromShortcut(const QByteArray& contents);

// Reads the shortcut file; a missing or unreadable one, or one that is not
// a plain file of at most 64 KiB, gives nothing.
std::optional<QUrl> WebLinkFromShortcutFile(const QString& path);

// The mail link: only a "mailto:" address with something after the colon.
std::optional<QUrl> MailLink(const QString& text);

}  // namespace dzwonex
