#include "editor/check_run.h"

#include "support/cp1251.h"

#include <QMetaObject>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <exception>
#include <mutex>

namespace editor {

// What the worker and the receiver's thread share. The handlers and
// `finished` are touched only on the receiver's thread; `receiver` is read by
// the worker and cleared by cancel(), both under `mutex`, so no call is ever
// posted to a receiver that is going away.
struct CheckRun::Shared {
    std::mutex mutex;
    QObject* receiver = nullptr;
    std::atomic<bool> cancelled = false;
    // A progress report is on its way: further ones are skipped until it
    // arrives, so that a check reporting often does not flood the queue.
    std::atomic<bool> progressPending = false;
    ProgressHandler onProgress;
    ResultHandler onResult;
    bool finished = false;

    template <typename Call> void post(Call call) {
        std::lock_guard lock(mutex);
        if (receiver)
            QMetaObject::invokeMethod(receiver, std::move(call), Qt::QueuedConnection);
    }
};

namespace {

checker::CheckResult failedRun(const std::string& why) {
    checker::CheckResult result;
    result.ran = false;
    result.failureEnglish = why;
    result.failure = cp1251::fromUtf8("Проверка прервалась: ") + cp1251::fromUtf8(why);
    return result;
}

} // namespace

CheckRun::CheckRun(QObject& receiver, MapCheck check, checker::CheckRequest request,
                   ProgressHandler onProgress, ResultHandler onResult)
    : m_shared(std::make_shared<Shared>()) {
    m_shared->receiver = &receiver;
    m_shared->onProgress = std::move(onProgress);
    m_shared->onResult = std::move(onResult);
    QThreadPool::globalInstance()->start(
        [shared = m_shared, check = std::move(check), request = std::move(request)] {
            const auto progress = [&shared](const checker::CheckProgress& report) {
                if (shared->cancelled)
                    return false;
                if (!shared->progressPending.exchange(true)) {
                    shared->post([shared, report] {
                        shared->progressPending = false;
                        // A copy: the handler may drop the run, and its handlers with it.
                        if (const ProgressHandler handler = shared->onProgress;
                            handler && !shared->cancelled)
                            handler(report);
                    });
                }
                return !shared->cancelled;
            };
            auto result = std::make_shared<checker::CheckResult>();
            try {
                *result = check(request, progress);
            } catch (const std::exception& e) {
                *result = failedRun(e.what());
            } catch (...) {
                *result = failedRun("unknown failure");
            }
            shared->post([shared, result] {
                if (shared->cancelled)
                    return;
                shared->finished = true;
                if (const ResultHandler handler = shared->onResult)
                    handler(*result);
            });
        });
}

CheckRun::~CheckRun() {
    cancel();
}

void CheckRun::cancel() {
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->receiver = nullptr;
        m_shared->cancelled = true;
    }
    // The handlers may hold on to the receiver; they go with it.
    m_shared->onProgress = nullptr;
    m_shared->onResult = nullptr;
}

bool CheckRun::running() const {
    return !m_shared->cancelled && !m_shared->finished;
}

} // namespace editor
