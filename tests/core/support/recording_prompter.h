#pragma once

#include "core/resources/prompter.h"

#include <deque>
#include <string>
#include <vector>

namespace brenmoor::test {

// A Prompter that records every text shown and answers questions from a
// script; an unscripted question counts as Cancel / No, as closing it would.
class RecordingPrompter : public Prompter {
  public:
    using Prompter::ask;
    using Prompter::inform;

    struct Shown {
        enum class Kind { Question, Message, Notice } kind;
        std::string text;
        friend bool operator==(const Shown&, const Shown&) = default;
    };

    void answerNext(Answer answer) { answers_.push_back(answer); }

    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    void notice(std::string_view text, NoticeKind kind) override;

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<std::string> texts() const;
    void clear() { shown_.clear(); }

  private:
    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
};

} // namespace brenmoor::test
