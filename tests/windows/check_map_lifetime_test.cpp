// A check under way outlives the window that started it: closing the window,
// or the main window going, cancels the check, and what the check still
// hands over afterwards reaches nothing.

#include "check_map_editor.h"
#include "editor/check_run.h"

#include <gtest/gtest.h>
#include <QPushButton>
#include <QThread>

using namespace windows_testing;

namespace {

QPointer<frmCheckMap> startSlow(frmMain& window, const SlowCheck& slow) {
    window.setMapCheck(slow.function());
    window.mnuCheckMap->trigger();
    QPointer<frmCheckMap> w = window.checkMapWindow();
    EXPECT_TRUE(w);
    EXPECT_TRUE(QTest::qWaitFor([&] { return slow.state->reports > 2; }, 5000));
    return w;
}

} // namespace

TEST(CheckMapLifetime, ClosingTheWindowCancelsTheCheckAndNothingArrivesLater) {
    CheckEditor e;
    SlowCheck slow;
    slow.state->findings = {finding(checker::Severity::Error, "main", checker::Cell{1, 1}, "X")};
    QPointer<frmCheckMap> w = startSlow(e.window, slow);
    int shown = 0;
    QObject::connect(w, &frmCheckMap::checkShown, [&] { ++shown; });
    QTest::mouseClick(w->cmdClose, Qt::LeftButton);
    ASSERT_TRUE(slow.waitForEnd());
    EXPECT_TRUE(slow.state->refused) << "the check was told to stop";
    QTest::qWait(50); // room for anything still queued
    EXPECT_FALSE(w) << "the closed window went";
    EXPECT_EQ(shown, 0);
    EXPECT_FALSE(e.window.checkMapWindow());
    EXPECT_EQ(e.canvas().LocationName(), "main");
}

TEST(CheckMapLifetime, EscapeClosesTheWindowToo) {
    CheckEditor e;
    SlowCheck slow;
    QPointer<frmCheckMap> w = startSlow(e.window, slow);
    QApplication::setActiveWindow(w);
    QTest::keyClick(w->grdFindings, Qt::Key_Escape);
    ASSERT_TRUE(slow.waitForEnd());
    EXPECT_TRUE(slow.state->refused);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w; }, 2000));
}

TEST(CheckMapLifetime, TheMainWindowGoingWhileTheCheckRunsCancelsIt) {
    EditorWorld world;
    SlowCheck slow;
    auto window = std::make_unique<frmMain>();
    window->show();
    window->openMap("Default");
    QPointer<frmCheckMap> w = startSlow(*window, slow);
    window.reset();
    EXPECT_FALSE(w);
    ASSERT_TRUE(slow.waitForEnd());
    EXPECT_TRUE(slow.state->refused);
    QTest::qWait(50);
}

TEST(CheckMapLifetime, AResultAfterTheWindowWentIsDropped) {
    // A check that does not look at the progress callback at all: its result
    // comes only after the window is gone.
    CheckEditor e;
    SlowCheck gate;
    editor::MapCheck deaf = [state = gate.state](const checker::CheckRequest&, const auto&) {
        std::unique_lock lock(state->mutex);
        state->wake.wait(lock, [&] { return state->letGo; });
        state->ended = true;
        checker::CheckResult result;
        result.findings = {finding(checker::Severity::Error, "main", checker::Cell{1, 1}, "X")};
        return result;
    };
    e.window.setMapCheck(deaf);
    e.window.mnuCheckMap->trigger();
    QPointer<frmCheckMap> w = e.window.checkMapWindow();
    ASSERT_TRUE(w);
    int shown = 0;
    QObject::connect(w, &frmCheckMap::checkShown, [&] { ++shown; });
    w->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w; }, 2000));
    gate.letGo();
    ASSERT_TRUE(gate.waitForEnd());
    QTest::qWait(50);
    EXPECT_EQ(shown, 0);
}

TEST(CheckRun, CheckingAgainDropsTheRunUnderWay) {
    QObject receiver;
    SlowCheck first;
    std::vector<std::string> got;
    auto run = std::make_unique<editor::CheckRun>(
        receiver, first.function(), checker::CheckRequest{"Default", {}}, nullptr,
        [&](const checker::CheckResult&) { got.push_back("first"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return first.state->reports > 0; }, 5000));
    EXPECT_TRUE(run->running());
    run = std::make_unique<editor::CheckRun>(
        receiver,
        [](const checker::CheckRequest& request, const auto&) {
            checker::CheckResult result;
            result.failureEnglish = request.map;
            return result;
        },
        checker::CheckRequest{"second", {}}, nullptr,
        [&](const checker::CheckResult& r) { got.push_back(r.failureEnglish); });
    ASSERT_TRUE(first.waitForEnd());
    EXPECT_TRUE(first.state->refused);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !run->running(); }, 5000));
    EXPECT_EQ(got, std::vector<std::string>{"second"});
}

TEST(CheckRun, ProgressArrivesOnTheReceiversThreadWithoutFloodingIt) {
    QObject receiver;
    std::atomic<int> sent = 0;
    std::vector<std::uint64_t> seen;
    bool onMainThread = true;
    editor::CheckRun run(
        receiver,
        [&](const checker::CheckRequest&,
            const std::function<bool(const checker::CheckProgress&)>& progress) {
            for (std::uint64_t i = 1; i <= 100000; ++i) {
                progress({i, 100000, "cells"});
                ++sent;
            }
            return checker::CheckResult{};
        },
        {},
        [&](const checker::CheckProgress& p) {
            onMainThread = onMainThread && QThread::currentThread() == receiver.thread();
            seen.push_back(p.done);
        },
        nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !run.running(); }, 5000));
    EXPECT_EQ(sent, 100000);
    EXPECT_TRUE(onMainThread);
    EXPECT_FALSE(seen.empty());
    EXPECT_LT(seen.size(), 100000u) << "reports wait for the one on its way";
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
}
