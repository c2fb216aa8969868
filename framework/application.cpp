#include "framework/application.h"

#include <QCoreApplication>

#include "framework/trace.h"

namespace fw {
namespace {

std::shared_ptr<Application>& Registered() {
    static std::shared_ptr<Application> application;
    return application;
}

bool supportsHiDPI = false;

}  // namespace

const ClassRecord& Application::ClassInfo() {
    static const ClassRecord record({.name = "Application",
                                     .super = &Object::ClassInfo(),
                                     .framework = true,
                                     .classEvents = {"EnableMenuItems"}});
    return record;
}

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
    Trace("Application.SetMenuBar");
    menuBar_ = std::move(bar);
}

void Application::AddMenuHandler(const std::string& name, std::shared_ptr<Delegate> handler) {
    menuHandlers_.Add(name, std::move(handler));
    Trace("Application.AddMenuHandler " + name);
}

std::vector<std::shared_ptr<Delegate>> Application::MenuHandlers(std::string_view name) const {
    return menuHandlers_.For(name);
}

void Application::x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                                   std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                                   std::int64_t stageCode, const std::string& longVersion,
                                   const std::string& shortVersion,
                                   const std::string& packageInfo) {
    Trace("Application.SetVersionData");
    version_ = {majorVersion, minorVersion, bugVersion,   nonReleaseVersion,
                stageCode,    longVersion,  shortVersion, packageInfo};
    QCoreApplication::setApplicationName(QString::fromStdString(packageInfo));
    QCoreApplication::setApplicationVersion(
        QString("%1.%2.%3").arg(majorVersion).arg(minorVersion).arg(bugVersion));
}

void Application::SetSupportsHiDPI(bool value) {
    supportsHiDPI = value;
}

bool Application::SupportsHiDPI() {
    return supportsHiDPI;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
    Trace("RuntimeRegisterAppObject " + (application ? application->Record().Name() : "Nil"));
    Registered() = std::move(application);
}

std::shared_ptr<Application> GetAppObject() {
    return Registered();
}

}  // namespace fw
