#include "app/startup.h"

#include <functional>

#include "app/app_accessor.h"
#include "app/file_types.h"
#include "app/handle_about_menu.h"
#include "app/menu_accessor.h"
#include "framework/application.h"
#include "framework/delegate.h"
#include "framework/pending_exception.h"
#include "framework/runtime.h"
#include "framework/startup.h"
#include "framework/unhandled_exception.h"
#include "windows/about_wnd_accessor.h"
#include "windows/notice_line.h"

void Main() {
    if (std::exception_ptr pending = fw::TakePendingException()) {
        fw::UnhandledException(pending);
        return;
    }
    try {
        fw::RuntimeSetExceptionHelper(fw::RuntimeCreateDelegate(
            std::function<std::shared_ptr<fw::RuntimeException>(void (*)(void*), void*)>(
                &CallFunctionWithExceptionHandling),
            "( Ptr, Ptr ) as Object"));
        fw::RuntimeSetFrameworkVersion(kFrameworkVersion);
        EarlyStartup();
        fw::RunFrameworkInitialization(
            fw::RuntimeCreateDelegate(std::function<void()>(&LateStartup), "(  )"));
        fw::RuntimeRun();
    } catch (...) {
        // An exception that the routine itself raises passes on to the caller.
        fw::UnhandledException(std::current_exception());
    }
}

void EarlyStartup() {
    fw::Application::SetSupportsHiDPI(true);
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {
    FileTypes::Initialize();
}

void NewAppInstance() {
    std::shared_ptr<HandleAboutMenu> application = fw::RuntimeNewObject<HandleAboutMenu>();
    application->Constructor();
    application->x_SetVersionData(3, 0, 0, 0, 3, NoticeLine(), "3.0", "Nerq");
    application->SetMenuBar(Menu::AsMenuBar(Menu::Menu()));
    fw::RuntimeRegisterAppObject(application);
}

void ApplicationAddMenuHandlers() {
    const auto add = [](const char* name, bool (HandleAboutMenu::*handler)()) {
        const std::shared_ptr<HandleAboutMenu> owner = App();
        fw::Deref(owner);
        const std::shared_ptr<HandleAboutMenu> target = App();
        fw::Deref(target);
        owner->AddMenuHandler(name, fw::RuntimeCreateDelegate(handler, target, "(  ) as Boolean"));
    };
    add("AboutZOP", &HandleAboutMenu::AboutZOP_Action);
    add("AboutMenuItem", &HandleAboutMenu::AboutMenuItem_Action);
}

void LateStartup() {
    MakeDefaultView();
}

// The splash window is the default window: it shows itself and the runtime
// keeps it while it is open.
void MakeDefaultView() {
    AboutWnd::AboutWnd();
}

std::shared_ptr<fw::RuntimeException> CallFunctionWithExceptionHandling(void (*function)(void*),
                                                                        void* argument) {
    const std::shared_ptr<fw::Delegate> call =
        fw::RuntimeCreateDelegate(std::function<void(void*)>(function), "( Ptr )");
    try {
        call->Invoke<void, void*>(argument);
    } catch (const fw::RuntimeException& e) {
        return e.Clone();
    }
    return nullptr;
}
