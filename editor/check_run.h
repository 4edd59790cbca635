#pragma once
// One run of the map check on a worker thread of the application's thread
// pool. What the check reports (progress, then its result) comes back to the
// thread of a receiver object as queued calls. Dropping the run (cancel() or
// the destructor) tells the check to stop at its next progress report and
// makes sure that nothing of it reaches the receiver any more, even when the
// check only ends long after the receiver went away.

#include "checker/map_check.h"

#include <functional>
#include <memory>

class QObject;

namespace editor {

// The check a window runs: checker::checkMap, or a stand-in in the tests.
using MapCheck = std::function<checker::CheckResult(
    const checker::CheckRequest&, const std::function<bool(const checker::CheckProgress&)>&)>;

class CheckRun {
public:
    using ProgressHandler = std::function<void(const checker::CheckProgress&)>;
    using ResultHandler = std::function<void(const checker::CheckResult&)>;

    // Starts `check` on `request` at once. The handlers are called on the
    // thread of `receiver`, which must outlive the run object (not the check).
    // A check that throws ends as a result that did not run.
    CheckRun(QObject& receiver, MapCheck check, checker::CheckRequest request,
             ProgressHandler onProgress, ResultHandler onResult);
    ~CheckRun();
    CheckRun(const CheckRun&) = delete;
    CheckRun& operator=(const CheckRun&) = delete;

    // Call on the receiver's thread.
    void cancel();
    // Whether the result is still to come (false once it was handed over or
    // the run was cancelled).
    bool running() const;

private:
    struct Shared;
    std::shared_ptr<Shared> m_shared;
};

} // namespace editor
