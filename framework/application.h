#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/delegate.h"
#include "framework/menu_handler_table.h"
#include "framework/object.h"

namespace fw {

class MenuBar;

// The application object: its version data, its menu bar, and the menu
// handlers that serve a choice made in any window's bar.
class Application : public Object {
  public:
    static const ClassRecord& ClassInfo();
    const ClassRecord& Record() const override { return ClassInfo(); }

    void Constructor() {}

    std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);

    void AddMenuHandler(const std::string& name, std::shared_ptr<Delegate> handler);
    std::vector<std::shared_ptr<Delegate>> MenuHandlers(std::string_view name) const;

    struct VersionData {
        std::int64_t majorVersion = 0, minorVersion = 0, bugVersion = 0, nonReleaseVersion = 0;
        std::int64_t stageCode = 0;
        std::string longVersion, shortVersion, packageInfo;
    };
    // Sets all version data at once and hands name and version on to Qt.
    void x_SetVersionData(std::int64_t majorVersion, std::int64_t minorVersion,
                          std::int64_t bugVersion, std::int64_t nonReleaseVersion,
                          std::int64_t stageCode, const std::string& longVersion,
                          const std::string& shortVersion, const std::string& packageInfo);
    const VersionData& Version() const { return version_; }

    // High-resolution display support, switched on at start-up.
    static void SetSupportsHiDPI(bool value);
    static bool SupportsHiDPI();

  private:
    std::shared_ptr<fw::MenuBar> menuBar_;
    MenuHandlerTable menuHandlers_;
    VersionData version_;
};

// The registered application object, or Nil before registration.
void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
std::shared_ptr<Application> GetAppObject();

}  // namespace fw
