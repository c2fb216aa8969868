#include "framework/platform_failure_reasons.h"

#include <sys/un.h>

#include <optional>
#include <utility>

namespace fw {
namespace {

constexpr QLatin1String kNotFound("Could not find the Qt platform plugin ");
constexpr QLatin1String kNotLoaded("Could not load the Qt platform plugin ");
constexpr QLatin1String kNoXConnection("could not connect to display ");
constexpr QLatin1String kNoWaylandConnection("Failed to create wl_display");
constexpr QLatin1String kNoEglDisplay("Failed to initialize EGL display");
constexpr QLatin1String kAvailable("Available platform plugins are: ");

// libwayland writes these itself, before Qt reports the connection that
// failed; what follows the prefix of the second is the socket's path.
constexpr std::string_view kNoRuntimeDirLine =
    "error: XDG_RUNTIME_DIR is invalid or not set in the environment.";
constexpr std::string_view kLongSocketPathLine = "error: socket path \"";

bool IsXConnectionReport(const QtReport& report) {
    return report.category == "qt.qpa.xcb" && report.text.startsWith(kNoXConnection);
}

// Qt's Wayland plugin reports it without a category of its own.
bool IsWaylandConnectionReport(const QtReport& report) {
    return report.text.startsWith(kNoWaylandConnection);
}

// What the Wayland plugin with EGL says once it has no display to work on.
bool IsWaylandFollowUp(const QtReport& report) {
    return report.category == "qt.qpa.wayland" && report.text.startsWith(kNoEglDisplay);
}

bool IsWaylandPlugin(const QString& plugin) {
    return plugin == "wayland" || plugin.startsWith("wayland-");
}

// The first text in double quotes: the plugin's name in Qt's reports.
QString Quoted(const QString& text) {
    const qsizetype open = text.indexOf('"');
    const qsizetype close = open < 0 ? -1 : text.indexOf('"', open + 1);
    return close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// The plugins that Qt lists in its fatal report, up to the closing full stop.
QString AvailablePlugins(const QString& fatalText) {
    const qsizetype at = fatalText.indexOf(kAvailable);
    if (at < 0) {
        return {};
    }
    QString list = fatalText.mid(at + kAvailable.size()).trimmed();
    if (list.endsWith('.')) {
        list.chop(1);
    }
    return list;
}

QString XReason(const QtReport& connection) {
    const QString display = connection.text.mid(kNoXConnection.size()).trimmed();
    if (!display.isEmpty()) {
        return QString("the X display \"%1\" cannot be opened").arg(display);
    }
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        return "no X display is named (DISPLAY is empty)";
    }
    return "no X display is named (DISPLAY is not set)";
}

// Qt's report of the failed connection gives only the error number's text,
// so the reason is found where libwayland looks: a socket handed over in
// WAYLAND_SOCKET, else the display that WAYLAND_DISPLAY names ("wayland-0"
// where it is not set), found in XDG_RUNTIME_DIR unless it is a path.
QString WaylandReason() {
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET")) {
        return QString(
                   "the Wayland connection handed over in WAYLAND_SOCKET (\"%1\") cannot be "
                   "used")
            .arg(qEnvironmentVariable("WAYLAND_SOCKET"));
    }
    const QString name = qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
                             ? qEnvironmentVariable("WAYLAND_DISPLAY")
                             : QString("wayland-0");
    const bool isPath = name.startsWith('/');
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!isPath && !runtimeDir.startsWith('/')) {
        if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
            return "no Wayland display can be reached (XDG_RUNTIME_DIR is not set)";
        }
        if (runtimeDir.isEmpty()) {
            return "no Wayland display can be reached (XDG_RUNTIME_DIR is empty)";
        }
        return QString(
                   "no Wayland display can be reached (XDG_RUNTIME_DIR \"%1\" is not an "
                   "absolute path)")
            .arg(runtimeDir);
    }
    if (name.isEmpty()) {
        return "no Wayland display is named (WAYLAND_DISPLAY is empty)";
    }
    const QString socket = isPath ? name : runtimeDir + '/' + name;
    if (static_cast<std::size_t>(socket.toLocal8Bit().size()) >= sizeof(sockaddr_un::sun_path)) {
        return QString(
                   "the Wayland display \"%1\" cannot be opened (the path of its socket is too "
                   "long)")
            .arg(name);
    }
    return QString("the Wayland display \"%1\" cannot be opened").arg(name);
}

}  // namespace

bool PlatformFailure::ExplainsRawLine(std::string_view line) const {
    return waylandWorded && (line == kNoRuntimeDirLine || line.starts_with(kLongSocketPathLine));
}

PlatformFailure ExplainPlatformFailure(const std::vector<QtReport>& reports,
                                       const QString& fatalText) {
    PlatformFailure failure;
    failure.explained.assign(reports.size(), false);
    // A platform plugin reports its failed connection first, then Qt that it
    // could not load the plugin: the connection explains that report.
    std::optional<std::size_t> xConnection;
    std::optional<std::size_t> waylandConnection;
    std::vector<std::size_t> waylandFollowUps;
    bool unknownPlugin = false;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const QtReport& report = reports[i];
        if (IsXConnectionReport(report)) {
            xConnection = i;
            continue;
        }
        if (IsWaylandConnectionReport(report)) {
            waylandConnection = i;
            waylandFollowUps.clear();
            continue;
        }
        if (waylandConnection && IsWaylandFollowUp(report)) {
            waylandFollowUps.push_back(i);
            continue;
        }
        const QString plugin = Quoted(report.text);
        if (plugin.isEmpty()) {
            continue;
        }
        if (report.text.startsWith(kNotFound)) {
            failure.reasons << QString("there is no Qt platform plugin \"%1\"").arg(plugin);
            unknownPlugin = true;
        } else if (!report.text.startsWith(kNotLoaded)) {
            continue;
        } else if (plugin == "xcb" && xConnection) {
            failure.reasons << XReason(reports[*xConnection]);
            failure.explained[*std::exchange(xConnection, std::nullopt)] = true;
        } else if (IsWaylandPlugin(plugin) && waylandConnection) {
            failure.reasons << WaylandReason();
            failure.explained[*std::exchange(waylandConnection, std::nullopt)] = true;
            for (const std::size_t followUp : std::exchange(waylandFollowUps, {})) {
                failure.explained[followUp] = true;
            }
            failure.waylandWorded = true;
        } else {
            failure.reasons
                << QString("the Qt platform plugin \"%1\" could not be started").arg(plugin);
        }
        failure.explained[i] = true;
    }
    // Two plugins that failed alike ("wayland;wayland-egl") say it once.
    failure.reasons.removeDuplicates();
    const QString available = AvailablePlugins(fatalText);
    if (unknownPlugin && !available.isEmpty()) {
        failure.reasons << "Qt's platform plugins are: " + available;
    }
    return failure;
}

}  // namespace fw
