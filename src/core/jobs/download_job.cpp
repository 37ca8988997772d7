#include "core/jobs/download_job.h"

#include "core/mapping/completeness_check.h"
#include "core/mapping/conflict_maps.h"
#include "core/mapping/mapping_checks.h"
#include "core/resources/messages_serial_dialogs.h"
#include "core/resources/string_table.h"
#include "core/serial/download_sequence.h"

namespace brenmoor {

Outcome DownloadResult::combined() const {
    if (!outcome || !check)
        return outcome;
    if (!check->outcome)
        return check->outcome;
    if (check->differences.empty())
        return Outcome::success();
    std::string text(loadString(msg::VerifyDifferencesHeading));
    for (const std::string& line : check->differences)
        text += "\n" + line;
    return Outcome::failure(msg::VerifyDifferencesHeading, std::move(text));
}

DownloadJob::DownloadJob(Project& project, MappingState& mapping, Prompter& prompter,
                         ConflictQuestion conflicts)
    : project_(project), mapping_(mapping), prompter_(prompter), conflicts_(conflicts) {}

bool DownloadJob::open() {
    if (!runCompletenessCheck(project_, mapping_, prompter_))
        return false;
    if (conflicts_ == ConflictQuestion::Recomputed)
        ConflictMaps::open(project_, mapping_);
    return true;
}

DownloadStart DownloadJob::start() {
    if (Outcome nodes = checkNodeAddresses(project_.store); !nodes)
        return {DownloadStart::Kind::Refused, std::move(nodes)};
    if (!askDownloadQuestions(mapping_, prompter_))
        return {DownloadStart::Kind::Declined, Outcome::success()};
    return {};
}

DownloadResult DownloadJob::transfer(SerialPort& port, Clock& clock, Prompter& prompter,
                                     const Project& project, bool verify, TransferView& view,
                                     const TransferProgress& progress) {
    DownloadResult result;
    view.verifyLine.clear();
    view.verifyPassed = false;
    DownloadSequence download(port, clock, prompter, view, progress);
    download.planReadBack(verify);
    result.outcome = download.run(project);
    result.firmwareVersion = download.firmwareVersion();
    if (result.outcome && verify)
        result.check = verifyDownload(port, clock, project, result.firmwareVersion, view, progress);
    return result;
}

} // namespace brenmoor
