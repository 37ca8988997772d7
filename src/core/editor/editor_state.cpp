#include "core/editor/editor_state.h"

namespace brenmoor {

void ResetEditorState(EditorState& state) {
    state.canAddNode = 0;
    state.canAddCommand = 0;
    state.canDeleteNode = 0;
    state.canDeleteCommand = 0;
    state.copyAddress = -1;
    state.copySubnet = -1;
    state.copyValid = false;
}

} // namespace brenmoor
