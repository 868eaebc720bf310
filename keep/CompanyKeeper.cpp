#include "CompanyKeeper.h"

#include <exception>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "WordedError.h"

namespace dzwonex {

namespace {

std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString Tr(const char* text) { return QCoreApplication::translate("dzwonex::CompanyKeeper", text); }

}  // namespace

CompanyKeeper::CompanyKeeper(KeptGames games, MessageLanguage language, QObject* parent)
    : QObject(parent), games_(std::move(games)), language_(language), saver_(std::move(language)) {
    games_.AdoptEarlierGame();
    connect(&saver_, &BackgroundSaver::Saved, this, &CompanyKeeper::AfterKept);
    connect(&saver_, &BackgroundSaver::Failed, this, [this](const QString& path, const QString& message) {
        ForgetUnwritten(path);
        emit Failed(message);
    });
}

void CompanyKeeper::StartFresh() {
    saver_.Flush();
    file_.clear();
    played_ = false;
}

void CompanyKeeper::StartFrom(const QString& keptFile) {
    saver_.Flush();
    file_ = keptFile;
    // A file from elsewhere joins the kept games at once; a kept one is
    // written again only once it has changed.
    played_ = keptFile.isEmpty();
}

void CompanyKeeper::DayPassed() {
    if (!file_.isEmpty()) played_ = true;
}

std::optional<QString> CompanyKeeper::FileToKeepIn(QString& problem) {
    if (!games_.MakeFolder()) {
        problem = Tr(QT_TRANSLATE_NOOP("dzwonex::CompanyKeeper", "Nie można utworzyć folderu %1 na zachowane gry."))
                      .arg(games_.Folder());
        return std::nullopt;
    }
    if (file_.isEmpty()) {
        file_ = games_.NewFile();
        if (file_.isEmpty()) {
            problem = Tr(QT_TRANSLATE_NOOP("dzwonex::CompanyKeeper",
                                           "Nie można utworzyć pliku na zachowaną grę w folderze %1."))
                          .arg(games_.Folder());
            return std::nullopt;
        }
        unwritten_ = true;
    }
    return file_;
}

void CompanyKeeper::ForgetUnwritten(const QString& path) {
    // The name taken for a first keeping that failed is given back.
    if (!unwritten_ || path != file_) return;
    if (QFileInfo(path).size() == 0) QFile::remove(path);
    file_.clear();
    unwritten_ = false;
}

bool CompanyKeeper::KeepNow(const Writer& write) {
    saver_.Flush();
    if (!played_) return true;
    QString problem;
    const std::optional<QString> path = FileToKeepIn(problem);
    if (!path) {
        emit Failed(problem);
        return false;
    }
    try {
        write(FileName(*path));
    } catch (const std::exception& e) {
        ForgetUnwritten(*path);
        emit Failed(QString::fromStdString(Worded(e, language_())));
        return false;
    }
    AfterKept(*path);
    return true;
}

void CompanyKeeper::KeepLater(Writer write) {
    if (!played_) return;
    QString problem;
    const std::optional<QString> path = FileToKeepIn(problem);
    if (!path) {
        emit Failed(problem);
        return;
    }
    saver_.Queue(*path, [write = std::move(write), file = FileName(*path)] { write(file); });
}

void CompanyKeeper::AfterKept(const QString& path) {
    if (path == file_) unwritten_ = false;
    games_.Prune(file_.isEmpty() ? path : file_);
    emit Kept(path);
}

}  // namespace dzwonex
