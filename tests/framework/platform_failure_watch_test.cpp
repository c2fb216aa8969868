// The watch around the start of the window platform keeps what Qt says back
// only until it knows whether a platform came up that can show windows: it
// hides no warning of a start that goes on, and on a failure that it cannot
// put in its own words it passes on what Qt said. The failures that it does
// word are checked on the real program (app_start_without_display_test).

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

// Whatever Qt says while the platform comes up is held until the outcome is
// known: handed on unchanged and in order once the platform is up, dropped
// when the start is refused for a reason that the runtime words itself.
TEST(PlatformFailureWatch, HandsOnWhatItHeldOnceAPlatformCameUpAndDropsItOnARefusal) {
    const QtMessageHandler previous = qInstallMessageHandler(&Capture);
    for (const bool refused : {false, true}) {
        SCOPED_TRACE(refused ? "refused" : "came up");
        seen.clear();
        {
            fw::PlatformFailureWatch watch("prog");
            ReportFromPlugins("Could not find the Qt platform plugin \"bogus\" in \"\"");
            qWarning("an ordinary warning");
            EXPECT_TRUE(seen.empty());
            if (refused) {
                watch.Discard();
            }
        }
        const std::vector<std::string> handedOn = {
            "qt.qpa.plugin: Could not find the Qt platform plugin \"bogus\" in \"\"",
            "default: an ordinary warning",
        };
        EXPECT_EQ(seen, refused ? std::vector<std::string>{} : handedOn);
    }
    qInstallMessageHandler(previous);
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
