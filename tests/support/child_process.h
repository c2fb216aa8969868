#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

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

// With `environment` as the child's whole environment.
inline ChildRun RunChildIn(const QProcessEnvironment& environment, const QString& program,
                           const QStringList& arguments = {}, int timeoutMs = 120000) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    ChildRun run;
    run.started = process.waitForStarted(30000);
    if (!run.started) {
        return run;
    }
    run.finished = process.waitForFinished(timeoutMs);
    if (!run.finished) {
        process.kill();
        process.waitForFinished();
    }
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty()) {
            run.out.push_back(line.toStdString());
        }
    }
    run.err = process.readAllStandardError().toStdString();
    return run;
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
