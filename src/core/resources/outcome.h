#pragma once

#include "core/resources/message_id.h"

#include <string>
#include <utility>

namespace brenmoor {

// What a core operation that can fail returns: success, or the id and the
// finished text of the program's message, and where the program knows more
// than its message says, a details text of why. Nothing in the core shows
// it.
class Outcome {
  public:
    static Outcome success() { return Outcome{}; }
    static Outcome failure(MessageId id, std::string text, std::string details = {}) {
        Outcome o;
        o.ok_ = false;
        o.id_ = id;
        o.message_ = std::move(text);
        o.details_ = std::move(details);
        return o;
    }

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    MessageId id() const { return id_; }
    const std::string& message() const { return message_; }
    const std::string& details() const { return details_; }

  private:
    bool ok_ = true;
    MessageId id_{};
    std::string message_;
    std::string details_;
};

} // namespace brenmoor
