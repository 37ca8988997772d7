#pragma once

#include <QString>

class QWidget;

namespace brenmoor::gui {

// The file dialogs of Open and Save As, behind an interface so that tests
// can answer them. An empty name means the dialog was cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget* parent) = 0;
    // `suggested` is the name the dialog starts with.
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
};

// The real dialogs, with the project file filters.
class QtFileDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent, const QString& suggested) override;
};

} // namespace brenmoor::gui
