#include "Shortcut.h"

#include <QFile>
#include <QList>

namespace dzwonex {

namespace {
// A shortcut is a few lines; anything larger is not one.
constexpr qint64 kMaxShortcutSize = 64 * 1024;
}  // namespace

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return WebLinkFromShortcut(file.read(kMaxShortcutSize));
}

std::optional<QUrl> MailLink(const QString& text) {
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().toLower() != QLatin1String("mailto") || url.path().isEmpty())
        return std::nullopt;
    return url;
}

}  // namespace dzwonex
