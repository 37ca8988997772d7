#include "cli/cli_prompter.h"

namespace brenmoor::cli {
namespace {

// An answer that does not fit the buttons maps onto the one that does:
// OK and Yes agree, Cancel and No agree.
Answer fitAnswer(Answer answer, Buttons buttons) {
    const bool positive = answer == Answer::Ok || answer == Answer::Yes;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::OkCancel:
        return positive ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        return positive ? Answer::Yes : Answer::No;
    }
    return Answer::Cancel;
}

} // namespace

Answer CliPrompter::ask(std::string_view text, Buttons buttons) {
    out_ << text << '\n';
    Answer answer = buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else if (hasDefault_) {
        answer = defaultAnswer_;
    }
    return fitAnswer(answer, buttons);
}

void CliPrompter::inform(std::string_view text) {
    out_ << text << '\n';
}

void CliPrompter::notice(std::string_view text, NoticeKind) {
    out_ << text << '\n';
}

} // namespace brenmoor::cli
