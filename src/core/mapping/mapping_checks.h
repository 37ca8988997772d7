#pragma once

#include "core/mapping/mapping_state.h"
#include "core/model/project.h"
#include "core/resources/prompter.h"

namespace brenmoor {

// The per-command range check of the mapping addresses before a download:
// every read command must end inside the input area and every write command
// inside the output area. Shows the first failure (61643, 64721 or 64722) and
// returns false; true when every command fits.
bool checkMappingRanges(const Project& project, MappingState& state, Prompter& prompter);

// The two questions a download asks before it sends anything: 61614 after a
// painted conflict, 61615 after an Auto Mapping overflow. Returns false when
// the user answered No to either, so the download must not start.
bool askDownloadQuestions(const MappingState& state, Prompter& prompter);

} // namespace brenmoor
