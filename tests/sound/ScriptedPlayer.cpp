// Plays the game's sounds the way a player would make them: presses of OK,
// Tak and Nie, page changes, presses on the map and the "Muzyka" box, on a
// fixed time table. scripts/record-audio.sh runs it under SDL's disk
// driver to record what the player hears.
//
//   sound_scripted_player ASSET_DIR [SECONDS]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "SdlMixerLibrary.h"
#include "Sound.h"

namespace {

enum class Action { Button, Page, Click, MusicOff, MusicOn };

struct Step {
    int ms;
    Action action;
};

const char* Name(Action a) {
    switch (a) {
        case Action::Button:
            return "button";
        case Action::Page:
            return "page";
        case Action::Click:
            return "click";
        case Action::MusicOff:
            return "music off";
        case Action::MusicOn:
            return "music on";
    }
    return "?";
}

// Twenty seconds of play; the table repeats for longer runs.
std::vector<Step> Script() {
    return {
        {1500, Action::Page},                               // to the case page
        {3000, Action::Button},                             // OK on the welcome case
        {4200, Action::Button},                             // Tak
        {4260, Action::Button},                             // OK pressed again at once: restarts
        {5000, Action::Page},                               // to the map
        {5600, Action::Click},                              // a press on the map
        {6000, Action::Page},                               // the case page shows the new case
        {6050, Action::Button},                             // Nie, while the page sound still plays
        {7000, Action::Click},    {7080, Action::Click},    // a quick double press
        {7160, Action::Click},    {8500, Action::Page},     // to the menu
        {9500, Action::MusicOff}, {10500, Action::Button},  // effects without music
        {11000, Action::Page},    {11500, Action::Click},  {13000, Action::MusicOn},
        {14000, Action::Page},    {14010, Action::Click},  // three effects at once over the music
        {14020, Action::Button},  {16000, Action::Button}, {16300, Action::Button},
        {16600, Action::Button},  {18000, Action::Page},   {18500, Action::Click},
    };
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ASSET_DIR [SECONDS]\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;

    auto sound = dzwonex::TSound::CreateWithSdlMixer();
    const auto start = std::chrono::steady_clock::now();
    sound->InitSound(dir);
    auto& lib = static_cast<dzwonex::SdlMixerLibrary&>(sound->Library());
    if (!lib.IsOpen()) std::fprintf(stderr, "no sound output; playing silently\n");
    if (!sound->Music()) std::fprintf(stderr, "psych.xm did not load\n");
    if (!sound->ButtonSample()) std::fprintf(stderr, "button.wav did not load\n");
    if (!sound->PageSample()) std::fprintf(stderr, "page.wav did not load\n");
    if (!sound->ClickSample()) std::fprintf(stderr, "click.wav did not load\n");

    bool ticked = true;
    const auto script = Script();
    for (int round = 0; round * 20000 < seconds * 1000; ++round) {
        for (const Step& step : script) {
            const int at = round * 20000 + step.ms;
            if (at >= seconds * 1000) break;
            std::this_thread::sleep_until(start + std::chrono::milliseconds(at));
            switch (step.action) {
                case Action::Button:
                    sound->PlayButtonSound();
                    break;
                case Action::Page:
                    sound->PlayPageSound();
                    break;
                case Action::Click:
                    sound->PlayClickSound();
                    break;
                case Action::MusicOff:
                    ticked = false;
                    sound->SetMusicOn(ticked);
                    break;
                case Action::MusicOn:
                    ticked = true;
                    sound->SetMusicOn(ticked);
                    break;
            }
            std::printf("%6.3f %s\n", at / 1000.0, Name(step.action));
        }
    }
    std::this_thread::sleep_until(start + std::chrono::seconds(seconds));
    sound->DoneSound();
    return 0;
}
