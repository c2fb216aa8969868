#pragma once

#include <gtest/gtest.h>
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// This process's environment, made to bring a child up on Qt's `platform`
// with `display` as its X display (DISPLAY not set at all where there is
// none), and with no Wayland display of a desktop that runs the tests.
inline QProcessEnvironment PlatformEnvironment(const QString& platform,
                                               const std::optional<QString>& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("QT_QPA_PLATFORM", platform);
    if (display) {
        environment.insert("DISPLAY", *display);
    } else {
        environment.remove("DISPLAY");
    }
    return environment;
}

// A run that must cover what only a real X display shows (CI sets
// NERQ_REQUIRE_XVFB=1) fails where it cannot start a server; any other run
// skips those cases and says so.
inline bool XvfbRequired() {
    return qEnvironmentVariable("NERQ_REQUIRE_XVFB") == "1";
}

// A virtual X server of the given colour depth for one test. Xvfb picks a
// display number that nobody holds (-displayfd with no number given), so a
// server of someone else's never stands in the way. It ends with the test,
// or by itself once its last client has gone (-terminate), should the test
// be killed.
class XvfbServer {
  public:
    explicit XvfbServer(int depth) {
        Start(depth);
        Await();
    }
    // Servers of the given depths, started at once: each takes a moment to
    // come up.
    static std::vector<std::unique_ptr<XvfbServer>> Several(const std::vector<int>& depths) {
        std::vector<std::unique_ptr<XvfbServer>> servers;
        for (const int depth : depths) {
            servers.emplace_back(new XvfbServer)->Start(depth);
        }
        for (const auto& server : servers) {
            server->Await();
        }
        return servers;
    }
    ~XvfbServer() { Stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return !display_.isEmpty(); }
    // ":7", or empty when no server runs.
    const QString& Display() const { return display_; }
    // Why no server runs.
    const std::string& Problem() const { return problem_; }
    // This process's environment, made to show a child's windows on the
    // server through Qt's X platform.
    QProcessEnvironment ClientEnvironment() const { return PlatformEnvironment("xcb", display_); }

  private:
    XvfbServer() = default;

    void Start(int depth) {
        const QString program = QStandardPaths::findExecutable("Xvfb");
        if (program.isEmpty()) {
            problem_ = "Xvfb is not installed";
            return;
        }
        // Xvfb writes the number it took, and a new line, once it takes
        // clients.
        process_.start(program, {"-screen", "0", "640x480x" + QString::number(depth), "-nolisten",
                                 "tcp", "-terminate", "-displayfd", "1"});
    }

    void Await() {
        if (!problem_.empty()) {
            return;
        }
        QByteArray written;
        while (!written.contains('\n') && process_.waitForReadyRead(20000)) {
            written += process_.readAllStandardOutput();
        }
        bool isNumber = false;
        const int number = written.trimmed().toInt(&isNumber);
        if (written.contains('\n') && isNumber) {
            display_ = ":" + QString::number(number);
            return;
        }
        Stop();
        problem_ = "Xvfb did not start: " + process_.readAllStandardError().toStdString();
    }

    void Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000)) {
                process_.kill();
                process_.waitForFinished();
            }
        }
    }

    QProcess process_;
    QString display_;
    std::string problem_;
};

// Ends the test where `server` does not run: as skipped, or as failed where
// the run must cover X.
#define REQUIRE_RUNNING(server)                                                  \
    do {                                                                         \
        const XvfbServer& required_server = (server);                            \
        if (!required_server.Running()) {                                        \
            if (XvfbRequired()) {                                                \
                FAIL() << required_server.Problem() << " (NERQ_REQUIRE_XVFB=1)"; \
            }                                                                    \
            GTEST_SKIP() << required_server.Problem();                           \
        }                                                                        \
    } while (false)
