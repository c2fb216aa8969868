#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>

#include "framework/runtime.h"

// Checks that need a process in which nothing has run yet: state that the
// program keeps for the whole process (the one menu bar, the chart picture
// once obtained) would otherwise be what an earlier test, or an earlier
// repetition, left. They run as a death test, in a child that starts this
// test program afresh (a forked child would lack Qt's threads) and runs no
// other test; their failures come back on the child's standard error, and
// the child ends as the test program does.
namespace fresh_process {

[[noreturn]] inline void RunAndExit(const std::function<void()>& checks) {
    testing::TestPartResultArray results;
    {
        const testing::ScopedFakeTestPartResultReporter collect(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        checks();
    }
    int failures = 0;
    for (int i = 0; i < results.size(); ++i) {
        const testing::TestPartResult& result = results.GetTestPartResult(i);
        if (result.failed()) {
            ++failures;
            std::cerr << (result.file_name() ? result.file_name() : "") << ":"
                      << result.line_number() << ": " << result.message() << "\n";
        }
    }
    fw::RuntimeExit();
    std::exit(failures == 0 ? 0 : 1);
}

}  // namespace fresh_process

inline void InAFreshProcess(const std::function<void()>& checks) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(fresh_process::RunAndExit(checks), testing::ExitedWithCode(0), "")
        << "the checks failed in a fresh process; what they said is above";
}
