#include "recording_prompter.h"

namespace brenmoor::test {

Answer RecordingPrompter::ask(std::string_view text, Buttons buttons) {
    shown_.push_back({Shown::Kind::Question, std::string(text)});
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

void RecordingPrompter::inform(std::string_view text) {
    shown_.push_back({Shown::Kind::Message, std::string(text)});
}

void RecordingPrompter::notice(std::string_view text, NoticeKind) {
    shown_.push_back({Shown::Kind::Notice, std::string(text)});
}

std::vector<std::string> RecordingPrompter::texts() const {
    std::vector<std::string> out;
    for (const auto& s : shown_)
        out.push_back(s.text);
    return out;
}

} // namespace brenmoor::test
