#pragma once

#include <string>
#include <vector>

namespace brenmoor {

// What a click on the grid asks the window to show over the clicked cell.
struct EditorRequest {
    enum class Kind { None, List, EditBox };
    Kind kind = Kind::None;
    int row = 0;
    int col = 0;
    // List: the choices in order; the first one is pre-selected, whatever the
    // cell holds.
    std::vector<std::string> choices;
    // Edit box: the cell's text, all of it selected.
    std::string text;
};

} // namespace brenmoor
