#pragma once

#include "core/compare/config_diff.h"
#include "core/model/project.h"
#include "core/resources/prompter.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace brenmoor::gui {

class FileDialogs;
class SerialLink;

// How the comparison is shown; the window opens the dialog, tests look at
// what would have been shown.
using ShowComparison =
    std::function<void(std::vector<ConfigDifference> differences, const QString& otherName)>;

// File "Compare with File...": asks for a file, reads it into a project of
// its own and compares the document (left) with it (right). A file that
// cannot be read is reported with its message. `document` is only read.
void compareWithFile(QWidget* parent, const Project& document, FileDialogs& dialogs,
                     Prompter& prompter, const ShowComparison& show);

// Tools "Compare with Gateway...": the serial settings first when not yet
// confirmed, then the gateway's configuration is read as an upload reads it
// (the document's flags choose the optional blocks) while a progress window
// shows the upload's lines, and compared. Failures are reported with their
// message. `document` is only read.
void compareWithGateway(QWidget* parent, const Project& document, SerialLink& link,
                        Prompter& prompter, const ShowComparison& show);

} // namespace brenmoor::gui
