#include "GameOptions.h"

#include "GameClock.h"
#include "Platform.h"

namespace dzwonex {

void FillInTheGamesOwn(TfrmMainOptions& options) {
    if (!options.reportError) options.reportError = ShowErrorBox;
    if (!options.openUrl) options.openUrl = OpenInDesktop;
    if (!options.askSavePath) options.askSavePath = AskSaveFile;
    if (!options.askOpenPath) options.askOpenPath = AskOpenFile;
    if (!options.confirm) options.confirm = AskBeforeDoing;
    if (!options.askTerm) options.askTerm = AskTerm;
    if (!options.chooseKeptGame) options.chooseKeptGame = AskKeptGame;
    if (!options.askName) options.askName = AskName;
    if (options.appDir.empty()) options.appDir = ExecutableDir();
}

namespace {

template <typename Result, typename... Args>
std::function<Result(Args...)> Held(GameClock& clock, std::function<Result(Args...)> ask) {
    return [&clock, ask = std::move(ask)](Args... args) -> Result {
        const ClockHold hold(clock);
        return ask(std::forward<Args>(args)...);
    };
}

}  // namespace

void HoldClockWhileAsking(TfrmMainOptions& options, GameClock& clock) {
    options.reportError = Held(clock, std::move(options.reportError));
    options.askSavePath = Held(clock, std::move(options.askSavePath));
    options.askOpenPath = Held(clock, std::move(options.askOpenPath));
    options.confirm = Held(clock, std::move(options.confirm));
    options.askTerm = Held(clock, std::move(options.askTerm));
    options.chooseKeptGame = Held(clock, std::move(options.chooseKeptGame));
    options.askName = Held(clock, std::move(options.askName));
}

}  // namespace dzwonex
