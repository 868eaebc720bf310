#include "GameOptions.h"

#include "Platform.h"

namespace dzwonex {

void FillInTheGamesOwn(TfrmMainOptions& options) {
    if (!options.reportError) options.reportError = ShowErrorBox;
    if (!options.openUrl) options.openUrl = OpenInDesktop;
    if (!options.askSavePath) options.askSavePath = AskSaveFile;
    if (!options.askOpenPath) options.askOpenPath = AskOpenFile;
    if (!options.confirm) options.confirm = AskTakNie;
    if (!options.askTerm) options.askTerm = AskTerm;
    if (!options.chooseKeptGame) options.chooseKeptGame = AskKeptGame;
    if (!options.askName) options.askName = AskName;
    if (options.appDir.empty()) options.appDir = ExecutableDir();
}

}  // namespace dzwonex
