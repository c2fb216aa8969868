#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// A virtual X server of the given colour depth for one test, on the first
// free one of a few display numbers, away from a desktop's usual :0. It
// ends with the test, or by itself once its last client has gone (-terminate),
// should the test be killed. None runs where Xvfb is not installed.
class XvfbServer {
  public:
    explicit XvfbServer(int depth) {
        const QString program = QStandardPaths::findExecutable("Xvfb");
        if (program.isEmpty()) {
            return;
        }
        for (int number = 7; number <= 9 && display_.isEmpty(); ++number) {
            const QString display = ":" + QString::number(number);
            // Xvfb writes the display number to -displayfd once it takes
            // clients; it exits at once where the number is taken.
            process_.start(program, {display, "-screen", "0", "640x480x" + QString::number(depth),
                                     "-nolisten", "tcp", "-terminate", "-displayfd", "1"});
            if (process_.waitForReadyRead(20000) &&
                process_.readAllStandardOutput().trimmed() == QByteArray::number(number)) {
                display_ = display;
            } else {
                Stop();
            }
        }
    }
    ~XvfbServer() { Stop(); }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    static bool Installed() { return !QStandardPaths::findExecutable("Xvfb").isEmpty(); }
    // ":7", or empty when no server runs.
    const QString& Display() const { return display_; }
    // This process's environment, made to show a child's windows on the
    // server through Qt's X platform.
    QProcessEnvironment ClientEnvironment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display_);
        return environment;
    }

  private:
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
};
