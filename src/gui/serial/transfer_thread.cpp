#include "gui/serial/transfer_thread.h"

#include <QMetaObject>

#include <string>

namespace brenmoor::gui {

Answer UiThreadPrompter::ask(std::string_view text, Buttons buttons) {
    Answer answer = Answer::Cancel;
    const std::string copy(text);
    QMetaObject::invokeMethod(
        ui_, [&] { answer = target_.ask(copy, buttons); }, Qt::BlockingQueuedConnection);
    return answer;
}

void UiThreadPrompter::inform(std::string_view text) {
    const std::string copy(text);
    QMetaObject::invokeMethod(
        ui_, [&] { target_.inform(copy); }, Qt::BlockingQueuedConnection);
}

void UiThreadPrompter::notice(std::string_view text, NoticeKind kind) {
    // A notice is not waited for.
    QMetaObject::invokeMethod(
        ui_, [this, copy = std::string(text), kind] { target_.notice(copy, kind); },
        Qt::QueuedConnection);
}

TransferThread::TransferThread(QObject* ui, Prompter& uiPrompter)
    : ui_(ui), prompter_(ui, uiPrompter), context_(std::make_unique<QObject>()) {
    thread_.setObjectName(QStringLiteral("transfer"));
    context_->moveToThread(&thread_);
    thread_.start();
}

TransferThread::~TransferThread() {
    runAndWait([](TransferSession& session) {
        if (session.port)
            session.port->closePort();
        session.port.reset();
    });
    thread_.quit();
    thread_.wait();
}

void TransferThread::runAndWait(Job job) {
    QMetaObject::invokeMethod(
        context_.get(), [this, &job] { job(session_); }, Qt::BlockingQueuedConnection);
}

void TransferThread::post(Job job) {
    QMetaObject::invokeMethod(
        context_.get(), [this, job = std::move(job)] { job(session_); }, Qt::QueuedConnection);
}

void TransferThread::toUi(std::function<void()> f) {
    QMetaObject::invokeMethod(ui_, std::move(f), Qt::QueuedConnection);
}

} // namespace brenmoor::gui
