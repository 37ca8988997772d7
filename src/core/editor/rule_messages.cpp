#include "core/editor/rule_messages.h"

#include "core/editor/edit_limits.h"
#include "core/model/number_text.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/string_table.h"

namespace brenmoor {

namespace {

std::string limits(MessageId id, int low, int high) {
    return fillIn(id, {std::to_string(low), std::to_string(high)});
}

} // namespace

std::string joinedChoices(std::span<const CodeText> choices) {
    std::string text;
    for (const CodeText& choice : choices) {
        if (!text.empty())
            text += ", ";
        text += choice.text;
    }
    return text;
}

std::string ruleMessage(const CellEditor& editor, const PageSubject& s) {
    if (editor.kind == EditorRequest::Kind::List)
        return formatMessage(msg::RuleChoice, joinedChoices(offeredChoices(editor, s)));
    switch (editor.rule) {
    case Rule::Decimal:
        return limits(msg::RuleDecimal, editor.low, editor.high);
    case Rule::InRange:
        return limits(msg::RuleInRange, editor.low, editor.high);
    case Rule::NodeAddress:
        return limits(msg::RuleDecimal, 0, kMaxSlaveAddress);
    case Rule::StartAddress:
        return limits(msg::RuleDecimal, 0, kMaxStartAddress);
    case Rule::DataCount: {
        const FunctionCodeRecord* record = s.code();
        const int limit = record ? record->dataCountLimit(s.project.device.doubleFault) : 0;
        return formatMessage(msg::RuleDataCount, limit);
    }
    case Rule::MapAddress: {
        const FunctionCodeRecord* record = s.code();
        if (record && record->read)
            return fillIn(msg::RuleMapAddressRead,
                          {upperHex(kReadMapAddresses.first), upperHex(kReadMapAddresses.last)});
        return fillIn(msg::RuleMapAddressWrite,
                      {upperHex(kWriteMapAddresses[0].first), upperHex(kWriteMapAddresses[0].last),
                       upperHex(kWriteMapAddresses[1].first),
                       upperHex(kWriteMapAddresses[1].last)});
    }
    case Rule::None:
    case Rule::Store:
    case Rule::BufferSize:
        break;
    }
    return {};
}

} // namespace brenmoor
