#pragma once

#include <string>

#include "framework/application.h"

// The application object: the version data, the shared menu bar, the About
// entry switched on before every menu, and the About actions.
class HandleAboutMenu : public fw::Application {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& Record() const override { return ClassInfo(); }

    virtual void Event_EnableMenuItems();
    virtual bool AboutZOP_Action();
    virtual bool AboutMenuItem_Action();
    void Constructor() {}

    bool IsEventImplemented(const std::string& eventName);
};
