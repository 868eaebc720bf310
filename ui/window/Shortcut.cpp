#include "Shortcut.h"

#include <QList>

#include "ReadFile.h"

namespace dzwonex {

std::optional<QUrl> WebLinkFromShortcut(const QByteArray& contents) {
    bool inSection = false;
    const QList<QByteArray> lines = contents.split('\n');
    for (const QByteArray& raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inSection = line.compare("[InternetShortcut]", Qt::CaseInsensitive) == 0;
            continue;
        }
        if (!inSection) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || line.left(eq).trimmed().compare("URL", Qt::CaseInsensitive) != 0) continue;

        const QString text = QString::fromUtf8(line.mid(eq + 1)).trimmed();
        const QUrl url(text, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
            !url.host().isEmpty())
            return url;
        // The first URL line decides; a bad one is not replaced by a later one.
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QUrl> WebLinkFromShortcutFile(const QString& path) {
    // A shortcut is a few lines: anything larger, or anything but a plain
    // file (a pipe would make the press wait), is not one.
    try {
        const std::vector<unsigned char> bytes = ReadRegularFile(path.toStdString(), kShortcutFileLimit);
        return WebLinkFromShortcut(
            QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    } catch (const FileError&) {
        return std::nullopt;
    }
}

std::optional<QUrl> MailLink(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().toLower() != QLatin1String("mailto") || url.path().isEmpty())
        return std::nullopt;
    return url;
}

}  // namespace dzwonex
