// Feeds arbitrary reads to the monitor as the gateway might send them: the
// decoder must never read past the bytes given, never invent data, and the
// session must answer exactly the states it shows or hides. The first byte
// decides whether the rest goes through the polling tick or through Send,
// whose two edit texts are taken from the input as well.
#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_record.h"
#include "core/monitor/monitor_session.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

using namespace brenmoor::monitor;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkRecord(std::span<const uint8_t> bytes) {
    const auto record = decodeRecord(bytes);
    check(record.has_value() == !bytes.empty());
    if (!record)
        return;
    check(record->data.size() <= record->dataCount);
    check(record->data.size() + kRecordHeaderBytes <= std::max(bytes.size(), kRecordHeaderBytes));
    check(record->data.size() <= kMaxRecordBytes - kRecordHeaderBytes);
    const auto row = rowFor(*record);
    check(row.has_value() == (recordKind(record->state) == RecordKind::Shown));
    check(saveBlock(*record).empty() == !row.has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::span<const uint8_t> bytes(data + 1, size - 1);
    checkRecord(bytes);
    // The gateway's side reads answers from the same kind of stream.
    const ParsedAnswer answer = parseAnswer(bytes);
    check(answer.consumed <= bytes.size());
    if (answer.kind == ParsedAnswer::Kind::Write)
        check(encodeWriteRequest(answer.request).size() == answer.consumed);

    MonitorSession session;
    if ((data[0] & 1) == 0) {
        const MonitorStep step = session.tick(bytes);
        const bool answered = !bytes.empty() && recordKind(bytes[0]) != RecordKind::Invalid;
        check(step.answer.size() == (answered ? 1u : 0u));
        check(session.list().size() == (step.shownRow ? 1u : 0u));
        return 0;
    }

    // Send: the address text is four bytes after the record, the data text the rest.
    const size_t recordSize = std::min<size_t>(bytes.size(), data[0] >> 1);
    const auto record = bytes.first(recordSize);
    const auto texts = bytes.subspan(recordSize);
    const std::string_view all(reinterpret_cast<const char*>(texts.data()), texts.size());
    const auto input =
        checkSendInput(all.substr(0, 4), all.substr(std::min<size_t>(4, all.size())));
    if (!input.outcome)
        return 0;
    check(input.request.address >= kFirstOutputAddress &&
          input.request.address <= kLastOutputAddress);
    const MonitorStep step = session.send(record, input.request);
    if (step.outcome)
        check(step.answer == encodeWriteRequest(input.request));
    else
        check(step.answer.empty());
    return 0;
}
