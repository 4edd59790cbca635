#pragma once
// The main window over the small world of editor_world.h with map "Default"
// open (locations main 8 x 6 and cave 20 x 15), and checks that stand in for
// the map checker: they hand over given findings, at once or when let go.

#include "canvas/world_canvas.h"
#include "checker/map_check.h"
#include "editor/frm_check_map.h"
#include "editor/frm_main.h"
#include "editor_world.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace windows_testing {

inline checker::Finding finding(checker::Severity severity, const std::string& location,
                                std::optional<checker::Cell> cell, const std::string& sentence,
                                std::uint64_t count = 1) {
    checker::Finding f;
    f.severity = severity;
    f.location = cp1251::fromUtf8(location);
    f.cell = cell;
    f.kind = "test.kind";
    f.sentence = cp1251::fromUtf8(sentence);
    f.sentenceEnglish = "in English";
    f.count = count;
    if (cell)
        f.firstCells = {*cell};
    return f;
}

// A check whose findings are fixed; it records what it was asked.
struct FixedCheck {
    std::vector<checker::Finding> findings;
    std::shared_ptr<std::vector<checker::CheckRequest>> requests =
        std::make_shared<std::vector<checker::CheckRequest>>();

    editor::MapCheck function() const {
        return [found = findings, asked = requests](const checker::CheckRequest& request,
                                                    const auto&) {
            asked->push_back(request);
            checker::CheckResult result;
            result.findings = found;
            return result;
        };
    }
};

// A check that reports progress until it is let go or cancelled; it lives
// on as long as the thread running it.
struct SlowCheck {
    struct State {
        std::mutex mutex;
        std::condition_variable wake;
        bool letGo = false;
        std::atomic<int> reports = 0;
        std::atomic<bool> refused = false; // a progress report was answered with false
        std::atomic<bool> ended = false;
        std::vector<checker::Finding> findings;
    };
    std::shared_ptr<State> state = std::make_shared<State>();

    editor::MapCheck function() const {
        return [state = state](const checker::CheckRequest&,
                               const std::function<bool(const checker::CheckProgress&)>& progress) {
            checker::CheckResult result;
            for (std::uint64_t step = 1;; ++step) {
                if (!progress({std::min<std::uint64_t>(step, 9), 10, "cells"})) {
                    state->refused = true;
                    result.cancelled = true;
                    break;
                }
                ++state->reports;
                std::unique_lock lock(state->mutex);
                if (state->wake.wait_for(lock, std::chrono::milliseconds(5),
                                         [&] { return state->letGo; }))
                    break;
            }
            result.findings = state->findings;
            state->ended = true;
            return result;
        };
    }
    void letGo() const {
        std::lock_guard lock(state->mutex);
        state->letGo = true;
        state->wake.notify_all();
    }
    bool waitForEnd() const {
        return QTest::qWaitFor([this] { return state->ended.load(); }, 5000);
    }
};

struct CheckEditor {
    EditorWorld world;
    frmMain window;

    CheckEditor() {
        world.writeLocation("cave", 20, 15);
        window.show();
        QApplication::setActiveWindow(&window);
        window.openMap("Default");
    }
    WorldCanvas& canvas() { return *window.WorldCanvas1; }
    // Opens the window through the menu item with `check`, and waits for the
    // first result.
    frmCheckMap& open(editor::MapCheck check) {
        window.setMapCheck(std::move(check));
        window.mnuCheckMap->trigger();
        frmCheckMap* shown = window.checkMapWindow();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(QTest::qWaitFor([shown] { return !shown->checking(); }, 5000));
        return *shown;
    }
    // The texts of line `row` of the table.
    static QStringList line(const frmCheckMap& w, int row) {
        QStringList texts;
        const auto* model = w.grdFindings->model();
        for (int column = 0; column < model->columnCount(); ++column)
            texts << model->index(row, column).data().toString();
        return texts;
    }
};

} // namespace windows_testing
