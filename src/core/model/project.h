#pragma once

#include "core/model/device_settings.h"
#include "core/model/parameter_store.h"

#include <cstdint>

namespace brenmoor {

// The format version a session starts with; opening a file replaces it.
inline constexpr uint32_t kInitialFormatVersion = 314;

// The program-wide marks of the document.
struct DocumentMarks {
    bool modified = false; // changed since the last New or Save
    bool loaded = false;   // the store already holds what the view must show
    bool upload = false;   // an upload is starting a new document for its data
};

// Everything a project file carries, plus the marks: the state that the
// window, the command line and the tests share.
struct Project {
    DeviceSettings device;
    ParameterStore store;
    uint32_t formatVersion = kInitialFormatVersion;
    DocumentMarks marks;
};

// A session as the program starts it: Select Device confirmed, then File New.
Project makeNewProject();

} // namespace brenmoor
