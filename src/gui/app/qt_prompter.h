#pragma once

#include "core/resources/prompter.h"

class QWidget;

namespace brenmoor::gui {

// The desktop's way of showing what the core has to say: message boxes for
// questions and messages, the CWARNING window for notices.
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    using Prompter::ask;
    using Prompter::inform;
    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    void notice(std::string_view text, NoticeKind kind) override;

  private:
    QWidget* parent_;
};

} // namespace brenmoor::gui
