#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QString>

#include <string>

#include "tests/support/child_process.h"
#include "tests/support/trace_lines.h"
#include "tests/support/xvfb_server.h"

// Runs the tests of this test program that `filter` names once more, in a
// child on a virtual X display: there Qt has what its offscreen platform
// lacks, such as the X selection that a middle click pastes. Each of them
// must run there and pass; none may skip. Skips where Xvfb is missing.
inline void RerunOnXvfb(const std::string& filter) {
    if (!XvfbServer::Installed()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    const XvfbServer server(24);
    if (server.Display().isEmpty()) {
        GTEST_SKIP() << "no display number free for Xvfb";
    }
    const ChildRun run =
        RunChildIn(server.ClientEnvironment(), QCoreApplication::applicationFilePath(),
                   {QString::fromStdString("--gtest_filter=" + filter)});
    const std::string seen = Joined(run.out) + run.err;
    ASSERT_TRUE(run.finished) << seen;
    EXPECT_FALSE(run.crashed) << seen;
    EXPECT_EQ(run.exitCode, 0) << seen;
    EXPECT_EQ(CountStartingWith(run.out, "[       OK ]"),
              CountStartingWith(run.out, "[ RUN      ]"))
        << seen;
    EXPECT_GT(CountStartingWith(run.out, "[       OK ]"), 0u) << seen;
    EXPECT_EQ(CountStartingWith(run.out, "[  SKIPPED ]"), 0u) << seen;
}
