#pragma once

#include "core/resources/prompter.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// A prompter for work done on the user's behalf without a dialog (building
// a report, importing a command list): it keeps every message and notice
// for the caller to list, and answers every question with Cancel or No, so
// that nothing is changed on the strength of an answer nobody gave.
class CollectingPrompter : public Prompter {
  public:
    using Prompter::ask;
    using Prompter::inform;
    Answer ask(std::string_view, Buttons buttons) override {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void inform(std::string_view text) override { messages_.emplace_back(text); }
    void notice(std::string_view text, NoticeKind) override { messages_.emplace_back(text); }

    const std::vector<std::string>& messages() const { return messages_; }
    void clear() { messages_.clear(); }

  private:
    std::vector<std::string> messages_;
};

} // namespace brenmoor
