#include "PlayerFile.h"

#include <chrono>
#include <thread>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include "AtomicWrite.h"
#include "ReadFile.h"

namespace dzwonex {

namespace {

// Another game holds the lock for one read and one write of a small file;
// a lock held longer than this belongs to a game that hangs.
constexpr auto kLockPatience = std::chrono::seconds(10);
constexpr auto kLockRetry = std::chrono::milliseconds(20);

QString Tr(const char* text) { return QCoreApplication::translate("dzwonex::PlayerFile", text); }

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QString Reason(const FileProblem& problem, Language language) {
    return QString::fromStdString(language == Language::Polish ? PolishReason(problem) : EnglishReason(problem));
}

}  // namespace

PlayerFile::Contents PlayerFile::Read() const {
    Contents contents;
    try {
        const std::vector<unsigned char> bytes = ReadRegularFile(QFile::encodeName(path_).toStdString(), limit_);
        contents.state = Contents::State::Text;
        contents.text.assign(bytes.begin(), bytes.end());
    } catch (const FileReadError& e) {
        const FileFault fault = e.Problem().fault;
        // No file yet is no fault: nothing has been kept so far.
        if (fault == FileFault::Missing) return contents;
        contents.state = fault == FileFault::TooLarge ? Contents::State::TooLarge : Contents::State::Unreadable;
        contents.problem = Reason(e.Problem(), language_());
    }
    return contents;
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
    if (beforeWrite) beforeWrite();
    try {
        WriteFileAtomically(QFile::encodeName(path_).toStdString(), text);
        return true;
    } catch (const FileWriteError& e) {
        problem = Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile", "Nie można zapisać pliku %1 (%2)."))
                      .arg(Native(path_), Reason(e.Problem(), language_()));
        return false;
    }
}

QString PlayerFile::BusyProblem() const {
    return Tr(QT_TRANSLATE_NOOP("dzwonex::PlayerFile",
                                "Plik %1 jest zajęty przez inną grę; zmiany zostaną zapisane przy następnej "
                                "okazji."))
        .arg(Native(path_));
}

PlayerFile::Lock::Lock(const PlayerFile& file)
    : lock_(std::make_unique<QLockFile>(file.path_ + QStringLiteral(".lock"))) {
    // Without its folder there is no file to share yet; the write makes it.
    QDir().mkpath(QFileInfo(file.path_).absolutePath());
    const auto giveUp = std::chrono::steady_clock::now() + kLockPatience;
    // A lock left by a game that ended without letting go is taken over.
    while (!lock_->tryLock(0)) {
        // A folder that takes no lock file takes no file either: the write
        // will say so.
        if (lock_->error() != QLockFile::LockFailedError || std::chrono::steady_clock::now() > giveUp) return;
        if (file.onLockBusy) file.onLockBusy();
        std::this_thread::sleep_for(kLockRetry);
    }
    held_ = true;
}

PlayerFile::Lock::~Lock() = default;

}  // namespace dzwonex
