#include "CompanyKeeper.h"

#include <exception>

#include <QCoreApplication>
#include <QFile>

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
    connect(&saver_, &BackgroundSaver::Failed, this,
            [this](const QString&, const QString& message) { emit Failed(message); });
}

void CompanyKeeper::StartFresh() {
    saver_.Flush();
    file_.clear();
    played_ = false;
}

void CompanyKeeper::StartFrom(const QString& keptFile) {
    saver_.Flush();
    file_ = keptFile;
    played_ = true;
}

QString CompanyKeeper::FileToKeepIn() {
    if (file_.isEmpty()) file_ = games_.NewFile();
    return file_;
}

bool CompanyKeeper::KeepNow(const Writer& write) {
    saver_.Flush();
    if (!played_) return true;
    const QString path = FileToKeepIn();
    try {
        if (!games_.MakeFolder())
            throw std::runtime_error(
                Tr(QT_TRANSLATE_NOOP("dzwonex::CompanyKeeper", "Nie można utworzyć folderu %1 na zachowane gry."))
                    .arg(games_.Folder())
                    .toStdString());
        write(FileName(path));
    } catch (const std::exception& e) {
        emit Failed(QString::fromStdString(Worded(e, language_())));
        return false;
    }
    AfterKept(path);
    return true;
}

void CompanyKeeper::KeepLater(Writer write) {
    if (!played_) return;
    const QString path = FileToKeepIn();
    if (!games_.MakeFolder()) {
        emit Failed(Tr(QT_TRANSLATE_NOOP("dzwonex::CompanyKeeper", "Nie można utworzyć folderu %1 na zachowane gry."))
                        .arg(games_.Folder()));
        return;
    }
    saver_.Queue(path, [write = std::move(write), file = FileName(path)] { write(file); });
}

void CompanyKeeper::AfterKept(const QString& path) {
    games_.Prune(file_.isEmpty() ? path : file_);
    emit Kept(path);
}

}  // namespace dzwonex
