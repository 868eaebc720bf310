#include "PlayerFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "AtomicWrite.h"
#include "ReadFile.h"

namespace dzwonex {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("dzwonex::PlayerFile", text); }

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString Reason(const FileProblem& problem, Language language) {
    return QString::fromStdString(language == Language::Polish ? PolishReason(problem) : EnglishReason(problem));
}

}  // namespace

std::optional<std::string> PlayerFile::Read(QString& problem) const {
    try {
        const std::vector<unsigned char> bytes = ReadRegularFile(QFile::encodeName(path_).toStdString(), limit_);
        return std::string(bytes.begin(), bytes.end());
    } catch (const FileReadError& e) {
        // No file yet is no fault: nothing has been kept so far.
        if (e.Problem().fault != FileFault::Missing)
            problem = Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile",
                                           "Nie można odczytać pliku %1 (%2); gra toczy się "
                                           "dalej bez niego."))
                          .arg(Native(path_), Reason(e.Problem(), language_()));
        return std::nullopt;
    }
}

QString PlayerFile::SetAside(const QString& why) const {
    QString aside = path_ + QStringLiteral(".uszkodzony");
    for (int n = 2; QFileInfo::exists(aside) && n < 1000; ++n) aside = path_ + QStringLiteral(".uszkodzony-%1").arg(n);
    if (!QFile::rename(path_, aside))
        return Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile",
                                    "Plik %1 jest uszkodzony (%2) i nie dało się go odłożyć; gra toczy się dalej bez "
                                    "niego."))
            .arg(Native(path_), why);
    return Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile",
                                "Plik %1 jest uszkodzony (%2). Odłożono go jako %3 i zaczęto nowy."))
        .arg(Native(path_), why, Native(aside));
}

bool PlayerFile::Write(const std::string& text, QString& problem) const {
    const QString folder = QFileInfo(path_).absolutePath();
    if (!QDir().mkpath(folder)) {
        problem = Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile", "Nie można utworzyć folderu %1 na plik %2."))
                      .arg(Native(folder), QFileInfo(path_).fileName());
        return false;
    }
    try {
        WriteFileAtomically(QFile::encodeName(path_).toStdString(), text);
        return true;
    } catch (const FileWriteError& e) {
        problem = Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile", "Nie można zapisać pliku %1 (%2)."))
                      .arg(Native(path_), Reason(e.Problem(), language_()));
        return false;
    }
}

}  // namespace dzwonex
