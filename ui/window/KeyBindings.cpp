#include "KeyBindings.h"

namespace dzwonex {

const std::vector<KeyBinding>& KeyBindings() {
    static const std::vector<KeyBinding> kBindings = {
        // T for Tak, Y for Yes.
        {Command::Yes, {Qt::Key_T, Qt::ALT | Qt::Key_T, Qt::Key_Y, Qt::ALT | Qt::Key_Y}},
        {Command::No, {Qt::Key_N, Qt::ALT | Qt::Key_N}},
        {Command::Ok, {Qt::Key_O, Qt::ALT | Qt::Key_O}},
        {Command::YesToGroup, {Qt::SHIFT | Qt::Key_T, Qt::SHIFT | Qt::Key_Y}},
        {Command::NoToGroup, {Qt::SHIFT | Qt::Key_N}},
        {Command::OkToGroup, {Qt::SHIFT | Qt::Key_O}},
        {Command::DefaultAnswer, {Qt::Key_Return, Qt::Key_Enter, Qt::KeypadModifier | Qt::Key_Enter}},
        {Command::Faster, {Qt::Key_Plus, Qt::Key_Equal, Qt::SHIFT | Qt::Key_Plus, Qt::KeypadModifier | Qt::Key_Plus}},
        {Command::Slower, {Qt::Key_Minus, Qt::KeypadModifier | Qt::Key_Minus}},
        {Command::Pause, {Qt::Key_P, Qt::Key_Pause}},
        {Command::PageMap, {Qt::CTRL | Qt::Key_1}},
        {Command::PageStatistics, {Qt::CTRL | Qt::Key_2}},
        {Command::PageCases, {Qt::CTRL | Qt::Key_3}},
        {Command::PageMenu, {Qt::CTRL | Qt::Key_4}},
        {Command::NextPage, {Qt::CTRL | Qt::Key_Tab}},
        {Command::PreviousPage, {Qt::CTRL | Qt::Key_Backtab, Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab}},
        {Command::Help, {Qt::Key_F1}},
        {Command::Save, {Qt::CTRL | Qt::Key_S}},
        {Command::Load, {Qt::CTRL | Qt::Key_O}},
        {Command::NewGame, {Qt::CTRL | Qt::Key_N}},
        {Command::Continue, {Qt::CTRL | Qt::Key_K}},
    };
    return kBindings;
}

bool AnswersCase(Command command) {
    switch (command) {
        case Command::Yes:
        case Command::No:
        case Command::Ok:
        case Command::YesToGroup:
        case Command::NoToGroup:
        case Command::OkToGroup:
            return true;
        default:
            return false;
    }
}

}  // namespace dzwonex
