#pragma once

#include "core/mapping/mapping_state.h"
#include "core/model/project.h"
#include "core/resources/outcome.h"
#include "core/resources/prompter.h"
#include "core/serial/clock.h"
#include "core/serial/download_verify.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

#include <optional>

namespace brenmoor {

// Where the download's conflict question gets its answer from.
enum class ConflictQuestion {
    // What Conflict Detection last painted in this run (the window).
    AsLastPainted,
    // A fresh computation of the maps as the download is opened: a front end
    // without a Conflict Detection session of its own (the command line).
    Recomputed,
};

// What Download asks before anything goes out.
struct DownloadStart {
    enum class Kind {
        Go,       // the transfer may start
        Refused,  // the node check failed: `outcome` carries its message
        Declined, // the user answered No to a question (already shown)
    } kind = Kind::Go;
    Outcome outcome;
    bool go() const { return kind == Kind::Go; }
};

// What a finished transfer found.
struct DownloadResult {
    Outcome outcome;                   // the sequence's failure, or success
    std::optional<VerifyReport> check; // the read-back, when asked for and the sequence succeeded
    int firmwareVersion = 0;

    // The whole as one message: the sequence's or the read-back's failure,
    // or the heading of the differences followed by one line each.
    Outcome combined() const;
};

// Download Configuration as the dialog runs it, for the window and the
// command line alike:
//   open()     as the dialog opens: the completeness check (it shows its
//              own messages; false closes the dialog before the port opens);
//   start()    on the Download button: the node check, then the download
//              questions;
//   transfer() the download sequence and, when asked for, the read-back.
// The front end opens the port between open() and start(), as the dialog
// does, and runs transfer() wherever its port lives.
class DownloadJob {
  public:
    DownloadJob(Project& project, MappingState& mapping, Prompter& prompter,
                ConflictQuestion conflicts = ConflictQuestion::AsLastPainted);

    bool open();
    DownloadStart start();

    // Touches neither the document nor the mapping state: it may run on a
    // thread of its own over a copy of the project. `prompter` takes the
    // sequence's one message ("Clear command error"), which does not stop it.
    static DownloadResult transfer(SerialPort& port, Clock& clock, Prompter& prompter,
                                   const Project& project, bool verify, TransferView& view,
                                   const TransferProgress& progress = {});

  private:
    Project& project_;
    MappingState& mapping_;
    Prompter& prompter_;
    ConflictQuestion conflicts_;
};

} // namespace brenmoor
