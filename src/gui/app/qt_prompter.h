#pragma once

#include "core/resources/prompter.h"

class QWidget;

namespace brenmoor::gui {

// The desktop's way of showing what the core has to say: message boxes for
// questions and messages, the CWARNING window for notices. Each is centred
// over the window it belongs to, or over the nearest one on the screen when
// that is not shown yet (a dialog whose checks speak before it opens).
class QtPrompter : public Prompter {
  public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    using Prompter::ask;
    using Prompter::inform;
    Answer ask(std::string_view text, Buttons buttons) override;
    void inform(std::string_view text) override;
    // The message as it is, the details as the box's informative text.
    void informDetailed(std::string_view text, std::string_view details) override;
    void notice(std::string_view text, NoticeKind kind) override;
    // A warning box with the first ten lines and "...", every line in its
    // scrollable details.
    void informList(std::string_view heading, const std::vector<std::string>& lines) override;

    // How many lines of a list the box shows before "Show Details...".
    static constexpr int kListLinesShown = 10;

  private:
    QWidget* parent_;
};

} // namespace brenmoor::gui
