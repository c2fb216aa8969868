#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

namespace fw {

// One message that Qt gave while its window platform came up.
struct QtReport {
    QtMsgType type;
    std::string category;  // empty where the message had none
    QString text;
};

// Why Qt could not start a window platform, in the runtime's own words, as
// far as Qt's messages (and the environment that they came from) tell it.
struct PlatformFailure {
    // Empty where nothing that Qt said is understood.
    QStringList reasons;
    // One for each report: whether the reasons say what it said.
    std::vector<bool> explained;
    // Whether a line that a library wrote to standard error itself, outside
    // Qt's messages, says nothing that the reasons do not (libwayland's
    // complaints when it cannot even look for a display).
    bool ExplainsRawLine(std::string_view line) const;

    bool waylandWorded = false;
};

// `reports` in the order in which Qt gave them; `fatalText` is Qt's fatal
// report that ended the start.
PlatformFailure ExplainPlatformFailure(const std::vector<QtReport>& reports,
                                       const QString& fatalText);

}  // namespace fw
