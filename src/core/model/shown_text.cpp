#include "core/model/shown_text.h"

#include "core/model/function_code.h"
#include "core/model/store_texts.h"

namespace brenmoor {

std::string shownValue(const std::string& stored) {
    return stored == text::NotSet ? std::string() : stored;
}

std::string shownMapAddress(const std::string& mapAddress) {
    if (mapAddress.empty() || mapAddress == text::NotSet)
        return {};
    return mapAddress + "H";
}

std::string shownByteCount(const INSTRUCTION& command) {
    const FunctionCodeRecord* record = functionCodeRecord(command);
    if (record && record->single)
        return std::to_string(record->downloadByteCount(1));
    return shownValue(command.byteCount);
}

std::string otherInterface(const std::string& commInterface) {
    return std::string(commInterface == text::Rs232 ? text::Rs485 : text::Rs232);
}

} // namespace brenmoor
