#pragma once
// The update rules of the commands: whether each is enabled, its check or
// radio mark, its text. One rule serves a menu item, its accelerator and its
// toolbar button alike. They read the board as its model states it.

#include <QString>
#include <optional>

struct BoardState;

struct CommandUi {
    bool enabled = true;
    std::optional<bool> checked;  // none: the command carries no mark
    std::optional<QString> text;  // none: the text stays as it is
    std::optional<QString> tip;   // none: the tip stays as it is
};

CommandUi CommandUpdate(int id, const BoardState& board, bool hasLastGame, bool fullScreen);

// The picture the first toolbar button should show for the board.
int PlayButtonStateFor(const BoardState& board);
