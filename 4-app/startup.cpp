#include "4-app/startup.h"

#include "2-common/menu_bar1.h"
#include "4-app/mireldantholm.h"
#include "1-framework/dispatch.h"
#include "1-framework/runtime.h"
#include "1-framework/window.h"
#include "3-windows/about/about_wnd.h"

void Main() {
  fw::RuntimeSetExceptionHelper(&fw::CallFunctionWithExceptionHandling);
  fw::RuntimeDeclareFrameworkVersion(2019.031);
  // A RuntimeException comes back from the helper; anything else passes through it.
  std::exception_ptr raised;
  try {
    raised = fw::CallUnderExceptionHandling([] {
      EarlyStartup();
      fw::RunFrameworkInitialization(&LateStartup);
      fw::RuntimeRun();
    });
  } catch (...) {
    raised = std::current_exception();
  }
  if (raised) fw::UnhandledException(raised);
}

void EarlyStartup() {
  fw::Application::SetSupportsHiDPI(true);
  fw::RuntimeInitExternalClasses();
  fw::InitPluginEntrypoints();
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

void NewAppInstance() {
  auto app = std::make_shared<Mireldantholm>();
  app->Constructor();
  app->x_SetVersionData(2, 0, 0, 0, 3, kLongVersion, "2.0", "Mireldantholm");
  app->SetMenuBar(MenuBar1::Instance());
  fw::RuntimeRegisterAppObject(app);
}

void InitFileTypes() {}
void ApplicationAddMenuHandlers() {}

void LateStartup() {
  MakeDefaultView();
}

// The About window shows itself as it is built; the framework keeps it.
void MakeDefaultView() {
  fw::ImplicitInstance<AboutWnd>();
}
