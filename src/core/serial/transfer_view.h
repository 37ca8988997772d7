#pragma once

#include <array>
#include <functional>
#include <string>

namespace brenmoor {

// How far a transfer has got: the requests sent out of the requests it will
// send (planned again as the gateway's replies tell more), and the command
// being written or read, "k of n".
struct TransferCount {
    int requestsDone = 0;
    int requestsPlanned = 0;
    int command = 0; // 1-based; 0 until the first command
    int commands = 0;

    // One more request went out; the plan, as it now stands, never counts
    // fewer than have gone.
    void countRequest(int planned) {
        ++requestsDone;
        requestsPlanned = planned > requestsDone ? planned : requestsDone;
    }

    friend bool operator==(const TransferCount&, const TransferCount&) = default;
};

// "k of n" for the command being transferred; empty before the first one.
std::string commandCountText(const TransferCount& count);
// The requests sent out of those planned, as the progress bar says it.
std::string requestCountText(const TransferCount& count);

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
    TransferCount count;

    friend bool operator==(const TransferView&, const TransferView&) = default;
};

using TransferProgress = std::function<void(const TransferView&)>;

} // namespace brenmoor
