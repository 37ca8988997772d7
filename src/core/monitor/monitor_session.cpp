#include "core/monitor/monitor_session.h"

#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"

namespace brenmoor::monitor {
namespace {

Outcome failure(MessageId id) {
    return Outcome::failure(id, std::string(loadString(id)));
}

} // namespace

MonitorStep MonitorSession::tick(std::span<const uint8_t> waiting) {
    return handle(waiting, Origin::Tick);
}

MonitorStep MonitorSession::send(std::span<const uint8_t> polled, const WriteRequest& request) {
    if (polled.empty()) {
        MonitorStep step;
        step.outcome = failure(msg::ReadingSerialFailure);
        return step;
    }
    MonitorStep step = handle(polled, Origin::Send);
    if (step.answer.empty()) {
        step.outcome = failure(msg::ReceivedDataMalformed);
        return step;
    }
    step.answer = encodeWriteRequest(request);
    return step;
}

MonitorStep MonitorSession::handle(std::span<const uint8_t> bytes, Origin origin) {
    MonitorStep step;
    const auto record = decodeRecord(bytes);
    if (!record)
        return step;
    const RecordKind kind = recordKind(record->state);
    if (kind == RecordKind::Invalid)
        return step;

    // The tick empties a full list for every answered record, hidden ones
    // included, and before it looks at the display flag.
    if (origin == Origin::Tick)
        step.listEmptied = list_.emptyIfFull();
    if (kind == RecordKind::Shown) {
        if (origin == Origin::Send || showing_) {
            step.shownRow = rowFor(*record);
            list_.append(*step.shownRow);
        }
        save(*record, step);
    }
    step.answer = continueAnswer();
    return step;
}

void MonitorSession::save(const MonitorRecord& record, MonitorStep& step) {
    if (!saving())
        return;
    const Outcome written = saveFile_.write(saveBlock(record));
    step.saved = written.ok();
    if (!written)
        step.outcome = written;
}

void MonitorSession::toggleDisplay() {
    if (showing_) {
        showing_ = false;
        return;
    }
    list_.clear();
    showing_ = true;
}

MessageId MonitorSession::displayButtonText() const {
    return showing_ ? msg::StopDisplaying : msg::ContinueToDisplay;
}

MessageId MonitorSession::saveButtonText() const {
    return saving() ? msg::StopSaving : msg::SaveContent;
}

Outcome MonitorSession::startSaving(const std::string& path) {
    return saveFile_.open(path);
}

void MonitorSession::stopSaving() {
    saveFile_.close();
}

Outcome MonitorSession::pressSaveContent(Prompter& prompter, const FileChooser& chooseFile) {
    if (saving()) {
        stopSaving();
        return Outcome::success();
    }
    if (prompter.ask(msg::SaveToDiskQuestion, Buttons::OkCancel) != Answer::Ok) {
        stopSaving();
        return Outcome::success();
    }
    const std::optional<std::string> path = chooseFile();
    if (!path)
        return Outcome::success();
    return startSaving(*path);
}

} // namespace brenmoor::monitor
