#pragma once

#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_list.h"
#include "core/monitor/monitor_record.h"
#include "core/monitor/monitor_save_file.h"
#include "core/resources/message_id.h"
#include "core/resources/outcome.h"
#include "core/resources/prompter.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brenmoor::monitor {

// What one record did: the bytes to write back to the gateway, what changed
// in the list, and a message to show.
struct MonitorStep {
    std::vector<uint8_t> answer;        // write these to the port; empty: no answer
    bool listEmptied = false;           // the list was emptied before the row came
    std::optional<MonitorRow> shownRow; // appended at the end of the list
    bool saved = false;                 // the record's block went to the save file
    Outcome outcome;                    // a message for the user when it failed
};

// The I/O monitor without its window and its port: the list, the display and
// save toggles, and what each record and each Send does. The dialog and the
// command line own the port (115200 8N1) and the timing and feed the session
// the bytes they read:
//
//   every 200 ms (timer 1):
//     no open port: show "Open the serial port failed!", stop the timer
//     n = queryStatus(); n == 0: return
//     read min(n, kMaxRecordBytes) bytes; a failed read: return
//     step = session.tick(bytes)
//     write step.answer when not empty; apply step to the view
//     (listEmptied: reset; shownRow: append, scroll into view);
//     show step.outcome's message when it failed
//
//   Send:
//     stop the timer, wait 100 ms, disable Send
//     input = checkSendInput(address text, data text); failed: show, go on below
//     no open port: show "Open the serial port failed!", go on below
//     up to five times, 200 ms apart, ask for waiting bytes; read them
//     step = session.send(bytes read, or nothing when none came or the read
//                         failed, input.request)
//     write step.answer when not empty; apply the step; show its message
//     below: enable Send, restart the timer at 200 ms
//
// A new session is the dialog as it opens: empty list, showing, not saving.
class MonitorSession {
  public:
    // Answers the record in `waiting` (one read of at most kMaxRecordBytes)
    // with the continue byte, lists and saves it when it is shown; keeps the
    // list to 151 polled rows. An empty read or an unknown state gets no
    // answer.
    MonitorStep tick(std::span<const uint8_t> waiting);

    // Answers the record polled after Send's checks with the write request.
    // The row is listed even while the display is stopped. `polled` is empty
    // when nothing arrived or reading failed.
    MonitorStep send(std::span<const uint8_t> polled, const WriteRequest& request);

    const MonitorList& list() const { return list_; }

    // "Stop Displaying" / "Continue to Display". Stopping keeps answering and
    // saving records; continuing starts from an empty list.
    bool showing() const { return showing_; }
    void toggleDisplay();
    MessageId displayButtonText() const;

    // "Save Content" / "Stop Saving".
    bool saving() const { return saveFile_.isOpen(); }
    const std::string& saveFileName() const { return saveFile_.path(); }
    MessageId saveButtonText() const;
    // Replaces the file at `path` and saves every following record there. A
    // file that cannot be opened leaves the monitor not saving; the outcome
    // names it.
    Outcome startSaving(const std::string& path);
    void stopSaving();

    // The button as a whole: stops saving, or asks "Save the data to the disk
    // drives?" and, on OK, saves into the file `chooseFile` returns (nothing
    // when the user cancels the file dialog).
    using FileChooser = std::function<std::optional<std::string>()>;
    Outcome pressSaveContent(Prompter& prompter, const FileChooser& chooseFile);

  private:
    enum class Origin { Tick, Send };
    MonitorStep handle(std::span<const uint8_t> bytes, Origin origin);
    void save(const MonitorRecord& record, MonitorStep& step);

    MonitorList list_;
    bool showing_ = true;
    MonitorSaveFile saveFile_;
};

} // namespace brenmoor::monitor
