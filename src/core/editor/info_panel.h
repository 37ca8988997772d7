#pragma once

#include <string>
#include <string_view>

namespace brenmoor {

// The "Info" tab of the main window, where the pages write their hints.
class InfoPanel {
  public:
    virtual ~InfoPanel() = default;
    virtual void setText(std::string_view text) = 0;
    virtual void bringToFront() = 0;
};

// Keeps the last text, for the command line and the tests.
class MemoryInfoPanel : public InfoPanel {
  public:
    void setText(std::string_view text) override { text_ = text; }
    void bringToFront() override { ++fronted_; }
    const std::string& text() const { return text_; }
    int timesBroughtToFront() const { return fronted_; }

  private:
    std::string text_;
    int fronted_ = 0;
};

} // namespace brenmoor
