#include "core/resources/messages_history.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::MenuUndo, "Undo(&U)\tCtrl+Z"},
    {msg::MenuRedo, "Redo(&R)\tCtrl+Y"},
    {msg::MenuCompareWithFile, "Compare with File(&C)..."},
    {msg::MenuCompareWithGateway, "Compare with Gateway..."},
    {msg::CompareTitle, "Compare Configurations"},
    {msg::CompareCount, "Parameters that differ: %d"},
    {msg::CompareColumnPlace, "Place"},
    {msg::CompareColumnParameter, "Parameter"},
    {msg::CompareColumnThis, "This configuration"},
    {msg::CompareColumnNote, "Note"},
    {msg::CompareNoteNotSent, "not sent to the gateway"},
    {msg::CompareGatewayName, "Gateway"},
    {msg::CompareHeading, "This configuration compared with %s:"},
    {msg::CompareClose, "Close"},
    {msg::CompareReadingTitle, "Reading the Gateway's Configuration"},
    {msg::CompareNoteSameBytes, "sent as the same bytes"},
    {msg::CompareShowEveryField, "Show every field"},
};
} // namespace

std::span<const StringEntry> historyStrings() {
    return kEntries;
}

} // namespace brenmoor
