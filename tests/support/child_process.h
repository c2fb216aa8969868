#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// A program run to its end as a child process: what it printed and how it
// ended.
struct ChildRun {
    bool started = false;
    bool finished = false;  // within the time allowed; killed otherwise
    bool crashed = false;
    int exitCode = -1;
    std::vector<std::string> out;  // standard output, line by line
    std::string err;
};

// One program to start: with `environment` as the child's whole environment.
struct ChildStart {
    QProcessEnvironment environment;
    QString program;
    QStringList arguments = {};
};

// Runs every one of `starts` at once, each to its end, and gives their runs
// in the same order. Each child's pipes are read while the others run, so
// none waits on a full pipe for its turn.
inline std::vector<ChildRun> RunChildrenIn(const std::vector<ChildStart>& starts,
                                           int timeoutMs = 120000) {
    std::vector<std::unique_ptr<QProcess>> processes;
    std::vector<ChildRun> runs(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        auto& process = *processes.emplace_back(std::make_unique<QProcess>());
        process.setProcessEnvironment(starts[i].environment);
        process.start(starts[i].program, starts[i].arguments);
        runs[i].started = process.waitForStarted(30000);
    }
    QElapsedTimer clock;
    clock.start();
    std::vector<QByteArray> out(starts.size()), err(starts.size());
    for (bool running = true; running;) {
        running = false;
        for (std::size_t i = 0; i < starts.size(); ++i) {
            QProcess& process = *processes[i];
            if (!runs[i].started || process.state() == QProcess::NotRunning) {
                continue;
            }
            process.waitForFinished(20);
            out[i] += process.readAllStandardOutput();
            err[i] += process.readAllStandardError();
            running = running || process.state() != QProcess::NotRunning;
        }
        if (running && clock.elapsed() > timeoutMs) {
            break;
        }
    }
    for (std::size_t i = 0; i < starts.size(); ++i) {
        QProcess& process = *processes[i];
        ChildRun& run = runs[i];
        if (!run.started) {
            continue;
        }
        run.finished = process.state() == QProcess::NotRunning;
        if (!run.finished) {
            process.kill();
            process.waitForFinished();
        }
        out[i] += process.readAllStandardOutput();
        err[i] += process.readAllStandardError();
        run.crashed = process.exitStatus() == QProcess::CrashExit;
        run.exitCode = process.exitCode();
        for (const QByteArray& line : out[i].split('\n')) {
            if (!line.isEmpty()) {
                run.out.push_back(line.toStdString());
            }
        }
        run.err = err[i].toStdString();
    }
    return runs;
}

inline ChildRun RunChildIn(const QProcessEnvironment& environment, const QString& program,
                           const QStringList& arguments = {}, int timeoutMs = 120000) {
    return RunChildrenIn({{environment, program, arguments}}, timeoutMs).front();
}

inline QProcessEnvironment OffscreenEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

// On Qt's offscreen platform.
inline ChildRun RunChild(const QString& program, const QStringList& arguments = {},
                         int timeoutMs = 120000) {
    return RunChildIn(OffscreenEnvironment(), program, arguments, timeoutMs);
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}
