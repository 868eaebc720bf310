#pragma once
#include <vector>

#include <QKeySequence>
#include <QList>

namespace dzwonex {

// Everything a key does in the window.
enum class Command {
    Yes,
    No,
    Ok,
    // Every case of the front case's kind and title at once.
    YesToGroup,
    NoToGroup,
    OkToGroup,
    DefaultAnswer,
    Faster,
    Slower,
    Pause,
    PageMap,
    PageStatistics,
    PageCases,
    PageMenu,
    NextPage,
    PreviousPage,
    Help,
    Save,
    Load,
    NewGame,
    Continue,
};

struct KeyBinding {
    Command command;
    QList<QKeySequence> keys;
};

// The window's one table of keys: the window binds these and nothing else,
// and the help must name each.
const std::vector<KeyBinding>& KeyBindings();

// T, N, O and their groups: they answer the case, so they act only where
// it is shown.
bool AnswersCase(Command command);

}  // namespace dzwonex
