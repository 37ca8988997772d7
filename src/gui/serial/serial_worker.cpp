#include "gui/serial/serial_worker.h"

#include <QEventLoop>
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

void UiThreadPrompter::informDetailed(std::string_view text, std::string_view details) {
    const std::string copy(text);
    const std::string why(details);
    QMetaObject::invokeMethod(
        ui_, [&] { target_.informDetailed(copy, why); }, Qt::BlockingQueuedConnection);
}

void UiThreadPrompter::notice(std::string_view text, NoticeKind kind) {
    // A notice is not waited for.
    QMetaObject::invokeMethod(
        ui_, [this, copy = std::string(text), kind] { target_.notice(copy, kind); },
        Qt::QueuedConnection);
}

SerialWorker::SerialWorker() : context_(std::make_unique<QObject>()) {
    thread_.setObjectName(QStringLiteral("serial"));
    context_->moveToThread(&thread_);
    thread_.start();
}

SerialWorker::~SerialWorker() {
    // Every job given so far is done before the thread ends.
    runAndWait([] {});
    thread_.quit();
    thread_.wait();
}

void SerialWorker::post(Job job) {
    QMetaObject::invokeMethod(context_.get(), std::move(job), Qt::QueuedConnection);
}

void SerialWorker::runAndWait(Job job) {
    QMetaObject::invokeMethod(
        context_.get(), [&job] { job(); }, Qt::BlockingQueuedConnection);
}

void SerialWorker::runWhileWaiting(Job job) {
    QEventLoop loop;
    bool done = false;
    post([job = std::move(job), &loop, &done] {
        job();
        runOnUi(&loop, [&loop, &done] {
            done = true;
            loop.quit();
        });
    });
    ++waiting_;
    // User input waits until the job is done: a click now must not start
    // another command while the port is in use.
    while (!done)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    --waiting_;
}

void runOnUi(QObject* context, std::function<void()> f) {
    QMetaObject::invokeMethod(context, std::move(f), Qt::QueuedConnection);
}

} // namespace brenmoor::gui
