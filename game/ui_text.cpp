#include "game/ui_text.h"

std::string UiMessage::English() const {
    return text.source != nullptr ? FillArguments(std::string(text.source), args) : std::string();
}
