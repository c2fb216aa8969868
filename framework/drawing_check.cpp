#include "framework/drawing_check.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QWindow>

namespace fw {
namespace {

constexpr int kLeastColourDepth = 15;

std::string DisplayName() {
    const QByteArray display = qgetenv("DISPLAY");
    if (QGuiApplication::platformName() != "xcb" || display.isEmpty()) {
        return "this display";
    }
    return "the X display \"" + display.toStdString() + "\"";
}

// Asks the platform for the image that a window would be painted into,
// without showing anything.
std::optional<std::string> FindDrawingProblem() {
    QWindow window;
    window.resize(1, 1);
    window.create();
    QBackingStore store(&window);
    store.resize(QSize(1, 1));
    const QPaintDevice* device = store.paintDevice();
    if (device && device->paintEngine()) {
        return std::nullopt;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int depth = screen ? screen->depth() : 0;
    if (depth > 0 && depth < kLeastColourDepth) {
        return DisplayName() + " has " + std::to_string(depth) + "-bit colour; windows need " +
               std::to_string(kLeastColourDepth) + "-bit colour or more";
    }
    return "windows cannot be drawn on " + DisplayName();
}

}  // namespace

std::optional<std::string> DrawingProblem() {
    // A process keeps the display it came up on: asked once.
    static const std::optional<std::string> problem = FindDrawingProblem();
    return problem;
}

}  // namespace fw
