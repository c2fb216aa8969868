// The watch around the application's construction keeps Qt's reports about
// its platform plugins back only until it knows whether a platform came up:
// it hides no warning for good, and on a failure that it cannot put in its
// own words it passes on what Qt said. The failures that it does word are
// checked on the real program (app_start_without_display_test).

#include "framework/platform_failure_watch.h"

#include <gtest/gtest.h>
#include <QMessageLogger>
#include <QtGlobal>

#include <string>
#include <vector>

namespace {

std::vector<std::string> seen;

void Capture(QtMsgType, const QMessageLogContext& context, const QString& text) {
    seen.push_back(std::string(context.category) + ": " + text.toStdString());
}

void ReportFromPlugins(const char* text) {
    QMessageLogger(nullptr, 0, nullptr, "qt.qpa.plugin").warning("%s", text);
}

TEST(PlatformFailureWatch, HandsOnWhatItHeldOnceAPlatformCameUp) {
    seen.clear();
    const QtMessageHandler previous = qInstallMessageHandler(&Capture);
    {
        const fw::PlatformFailureWatch watch("prog");
        ReportFromPlugins("Could not find the Qt platform plugin \"bogus\" in \"\"");
        qWarning("an ordinary warning");
        EXPECT_EQ(seen, std::vector<std::string>{"default: an ordinary warning"});
    }
    qInstallMessageHandler(previous);
    const std::vector<std::string> expected = {
        "default: an ordinary warning",
        "qt.qpa.plugin: Could not find the Qt platform plugin \"bogus\" in \"\"",
    };
    EXPECT_EQ(seen, expected);
}

TEST(PlatformFailureWatchDeathTest, PassesOnQtsWordsForAFailureItCannotName) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const fw::PlatformFailureWatch watch("prog");
            ReportFromPlugins("Some other report of the plugins");
            qFatal("Could not find DRM device!");
        },
        testing::ExitedWithCode(3),
        "Some other report of the plugins\n.*Could not find DRM device!\n"
        "prog: cannot start: Qt could not bring up its window platform\n");
}

}  // namespace
