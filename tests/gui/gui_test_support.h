#pragma once

#include "gui/app/file_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

namespace brenmoor::gui::test {

// File dialogs that answer from a script and remember how often they were
// asked. An empty answer is a cancelled dialog. Workbooks are only noted,
// never handed to the desktop.
class ScriptedFileDialogs : public FileDialogs {
  public:
    QStringList openAnswers;
    QStringList saveAnswers;
    QStringList monitorSaveAnswers;
    QStringList workbookSaveAnswers;
    int openCalls = 0;
    int saveCalls = 0;
    int monitorSaveCalls = 0;
    int workbookSaveCalls = 0;
    QStringList openedWorkbooks;

    QString openFileName(QWidget*) override {
        ++openCalls;
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }
    QString saveFileName(QWidget*, const QString&) override {
        ++saveCalls;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    QString monitorSaveFileName(QWidget*) override {
        ++monitorSaveCalls;
        return monitorSaveAnswers.isEmpty() ? QString() : monitorSaveAnswers.takeFirst();
    }
    QString workbookSaveFileName(QWidget*) override {
        ++workbookSaveCalls;
        return workbookSaveAnswers.isEmpty() ? QString() : workbookSaveAnswers.takeFirst();
    }
    void openWorkbook(const QString& path) override { openedWorkbooks << path; }
};

// What a modal dialog showed before the test answered it.
struct SeenDialog {
    bool seen = false;
    QString title;
    QString text;
    QString details; // a message box's informative text
    QString defaultButton;
};

// Breaks the reference cycle of a self-rescheduling function, later: it
// must not destroy itself while it runs.
inline void release(const std::shared_ptr<std::function<void()>>& poll) {
    QTimer::singleShot(0, [poll] { *poll = nullptr; });
}

// Handles the modal dialogs that open from now on, one action each, in
// order; the title, text and default button of each are recorded first. A
// dialog once handled is marked, so the next action waits for a new one.
inline std::vector<std::shared_ptr<SeenDialog>>
onModals(std::vector<std::function<void(QWidget*)>> actions) {
    std::vector<std::shared_ptr<SeenDialog>> seen;
    for (size_t i = 0; i < actions.size(); ++i)
        seen.push_back(std::make_shared<SeenDialog>());
    auto next = std::make_shared<size_t>(0);
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [seen, next, tries, poll, actions] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->property("answeredByTest").toBool()) {
            if (++*tries < 5000)
                QTimer::singleShot(1, *poll);
            else
                release(poll);
            return;
        }
        modal->setProperty("answeredByTest", true);
        SeenDialog& record = *seen[*next];
        record.seen = true;
        record.title = modal->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            record.text = box->text();
            record.details = box->informativeText();
            if (box->defaultButton())
                record.defaultButton = box->defaultButton()->text();
        }
        const auto act = actions[(*next)++];
        if (*next < actions.size()) {
            *tries = 0;
            QTimer::singleShot(1, *poll);
        }
        act(modal);
        if (*next >= actions.size())
            release(poll);
    };
    QTimer::singleShot(0, *poll);
    return seen;
}

// Clicks the button with the given text.
inline std::function<void(QWidget*)> clickButton(const QString& buttonText) {
    return [buttonText](QWidget* modal) {
        for (QAbstractButton* button : modal->findChildren<QAbstractButton*>()) {
            if (button->text() == buttonText) {
                button->click();
                return;
            }
        }
        // A wrong button text must not hang the test.
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(-1);
    };
}

inline std::shared_ptr<SeenDialog> onNextModal(std::function<void(QWidget*)> act) {
    return onModals({std::move(act)}).front();
}

// Clicks the button with the given text on the next modal dialog.
inline std::shared_ptr<SeenDialog> answerNextModal(const QString& buttonText) {
    return onNextModal(clickButton(buttonText));
}

// Answers the next dialogs in order, one button each.
inline std::vector<std::shared_ptr<SeenDialog>> answerModals(const QStringList& buttons) {
    std::vector<std::function<void(QWidget*)>> actions;
    for (const QString& button : buttons)
        actions.push_back(clickButton(button));
    return onModals(std::move(actions));
}

// Closes the next modal dialog with its close box.
inline std::shared_ptr<SeenDialog> closeNextModal() {
    return onNextModal([](QWidget* modal) { modal->close(); });
}

} // namespace brenmoor::gui::test
