#pragma once

#include <memory>

class QGuiApplication;

namespace brenmoor::report {

// Painting a report needs a QGuiApplication (fonts, text layout). The
// command line makes one here on the offscreen platform, chosen in code,
// so that a report is written in a terminal without a display and without
// any variable set, as over SSH on a plant PC. Fonts come from fontconfig.
// Nothing is made when an application already exists.
class HeadlessGui {
  public:
    HeadlessGui();
    ~HeadlessGui();
    HeadlessGui(const HeadlessGui&) = delete;
    HeadlessGui& operator=(const HeadlessGui&) = delete;

  private:
    int argc_ = 3;
    char* argv_[4];
    std::unique_ptr<QGuiApplication> app_;
};

} // namespace brenmoor::report
