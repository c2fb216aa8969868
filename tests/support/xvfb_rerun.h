#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QString>

#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"
#include "tests/support/xvfb_server.h"

// "Suite.Name" of the test that runs now.
inline std::string CurrentTestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return std::string(test->test_suite_name()) + "." + test->name();
}

// Runs the named tests of this test program once more, in a child on a
// virtual X display: there Qt has what its offscreen platform lacks, such as
// the X selection that a middle click pastes. Each of them, and nothing
// else, must run there and pass; none may skip. Without a server the test
// skips, or fails where the run must cover X.
inline void RerunOnXvfb(const std::vector<std::string>& tests) {
    const XvfbServer server(24);
    REQUIRE_RUNNING(server);
    std::string filter;
    for (const std::string& test : tests) {
        filter += (filter.empty() ? "" : ":") + test;
    }
    const ChildRun run =
        RunChildIn(server.ClientEnvironment(), QCoreApplication::applicationFilePath(),
                   {QString::fromStdString("--gtest_filter=" + filter)});
    const std::string seen = Joined(run.out) + run.err;
    ASSERT_TRUE(run.finished) << seen;
    EXPECT_FALSE(run.crashed) << seen;
    EXPECT_EQ(run.exitCode, 0) << seen;
    for (const std::string& test : tests) {
        EXPECT_EQ(CountStartingWith(run.out, "[       OK ] " + test + " ("), 1u)
            << test << " did not run and pass on X\n"
            << seen;
    }
    EXPECT_EQ(CountStartingWith(run.out, "[ RUN      ]"), tests.size()) << seen;
    EXPECT_EQ(CountStartingWith(run.out, "[  SKIPPED ]"), 0u) << seen;
}
