#pragma once

#include "core/resources/prompter.h"

#include <deque>
#include <ostream>

namespace brenmoor::cli {

// The command line's Prompter: every question, message box and notice is
// printed verbatim, one per line, and questions take their answer from a
// queue filled by `answer ...` lines or options such as --yes. A question
// nobody answered counts as Cancel / No, as closing its box would.
class CliPrompter : public Prompter {
  public:
    using Prompter::ask;
    using Prompter::inform;

    explicit CliPrompter(std::ostream& out) : out_(out) {}

    void queueAnswer(Answer answer) { answers_.push_back(answer); }
    // Answers every question that finds the queue empty (for --yes).
    void setDefaultAnswer(Answer answer) {
        defaultAnswer_ = answer;
        hasDefault_ = true;
    }

    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    void notice(std::string_view text, NoticeKind kind) override;

  private:
    std::ostream& out_;
    std::deque<Answer> answers_;
    Answer defaultAnswer_ = Answer::Cancel;
    bool hasDefault_ = false;
};

} // namespace brenmoor::cli
