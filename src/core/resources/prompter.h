#pragma once

#include "core/resources/message_id.h"
#include "core/resources/outcome.h"
#include "core/resources/string_table.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Answer { Ok, Cancel, Yes, No };

// The two modeless notice windows differ only in caption and size.
enum class NoticeKind { SlaveAddress, BufferSize };

// The one way the core talks to the user. The desktop shows message boxes and
// the notice window, the command line prints and answers from its queue, and
// the tests record what was shown.
class Prompter {
  public:
    virtual ~Prompter() = default;

    // A modal question; closing it without a choice counts as Cancel / No.
    virtual Answer ask(std::string_view text, Buttons buttons) = 0;
    // A modal message box with an OK button.
    virtual void inform(std::string_view text) = 0;
    // A modeless notice the caller does not wait for.
    virtual void notice(std::string_view text, NoticeKind kind) = 0;

    // A message followed by a list that can run to hundreds of lines. By
    // default one message: the heading, then one line per entry; the desktop
    // shows the first entries and keeps all of them in its details.
    virtual void informList(std::string_view heading, const std::vector<std::string>& lines) {
        std::string text(heading);
        for (const std::string& line : lines)
            text += "\n" + line;
        inform(text);
    }

    // A message box whose message stays as it is, with a second text that
    // says why (a port that did not open). By default the details follow
    // the message on a line of their own.
    virtual void informDetailed(std::string_view text, std::string_view details) {
        if (details.empty()) {
            inform(text);
            return;
        }
        std::string both(text);
        both += "\n";
        both += details;
        inform(both);
    }

    Answer ask(MessageId id, Buttons buttons) { return ask(loadString(id), buttons); }
    void inform(MessageId id) { inform(loadString(id)); }
    // A failure's message and its details.
    void inform(const Outcome& failure) { informDetailed(failure.message(), failure.details()); }
};

} // namespace brenmoor
