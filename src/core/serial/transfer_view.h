#pragma once

#include <array>
#include <functional>
#include <string>

namespace brenmoor {

// What a Download or Upload dialog displays while a transfer runs: two
// status lines, three step lines with an icon each. The sequences change it
// and report every change, so a dialog repaints from it and the command
// line prints it.
struct TransferView {
    std::string lineA;
    std::string lineB;
    std::array<std::string, 3> stepLines;
    bool stepLinesVisible = true;
    bool iconsHaveCheckMark = false;
    bool iconsVisible = true;
    // The fourth step of a download that is read back: shown only when it
    // has a text; the check mark goes next to it once the gateway was found
    // to hold what was sent.
    std::string verifyLine;
    bool verifyPassed = false;

    friend bool operator==(const TransferView&, const TransferView&) = default;
};

using TransferProgress = std::function<void(const TransferView&)>;

} // namespace brenmoor
