#include "framework/drawing_check.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QRegion>
#include <QScreen>
#include <QWindow>

namespace fw {
namespace {

constexpr int kLeastColourDepth = 15;

std::string PlatformName() {
    return QGuiApplication::platformName().toStdString();
}

std::string DisplayName() {
    const QByteArray display = qgetenv("DISPLAY");
    if (PlatformName() != "xcb" || display.isEmpty()) {
        return "this display";
    }
    return "the X display \"" + display.toStdString() + "\"";
}

// Whether the platform gives a window an image to paint into, without
// showing anything. The image is asked for inside a paint, as a window's
// own paint asks for it: where Qt scales for a high-resolution screen, the
// scaled image exists only from the start of a paint on.
bool CanPaintAWindow() {
    QWindow window;
    window.resize(1, 1);
    window.create();
    QBackingStore store(&window);
    const QRect area(0, 0, 1, 1);
    store.resize(area.size());
    store.beginPaint(QRegion(area));
    const QPaintDevice* device = store.paintDevice();
    const bool paints = device && device->paintEngine();
    store.endPaint();
    return paints;
}

std::optional<std::string> FindDrawingProblem() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) {
        return "the Qt platform \"" + PlatformName() + "\" has no screen to show windows on";
    }
    if (CanPaintAWindow()) {
        return std::nullopt;
    }
    const int depth = screen->depth();
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
