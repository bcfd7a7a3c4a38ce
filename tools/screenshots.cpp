// Draws the program's three windows and the open Edit menu into PNG files, after the worked
// example has been computed: screenshots <folder> [suffix]. Run by tools/make-screenshots.sh at 1x and 2x.

#include <cstdio>
#include <string>

#include "4-app/startup.h"
#include "3-windows/calculator/control_wnd.h"
#include "1-framework/testing.h"
#include "3-windows/about/about_wnd.h"
#include "3-windows/help/help_wnd.h"

int main(int argc, char** argv) {
  fw::testing::InitForTests(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: screenshots <folder> [suffix]\n");
    return 2;
  }
  const std::string folder = argv[1];
  const std::string suffix = argc > 2 ? argv[2] : "";
  auto path = [&](const char* name) { return folder + "/" + name + suffix + ".png"; };

  NewAppInstance();
  auto about = fw::ImplicitInstance<AboutWnd>();
  fw::testing::ProcessEvents();
  bool ok = fw::testing::GrabWindow(*about, path("about"));

  fw::testing::PressKeyInWindow(*about, " ");
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::TypeText(*calculator->RxxFld(), "13");
  fw::testing::TypeText(*calculator->RyyFld(), "9");
  fw::testing::TypeText(*calculator->RxyFld(), ".44");
  fw::testing::Click(*calculator->ComputeCanvas(), 60, 20);
  fw::testing::ProcessEvents();
  ok = fw::testing::GrabWindow(*calculator, path("calculator")) && ok;
  ok = fw::testing::GrabOpenMenu(*calculator, "EditCopy", path("edit-menu")) && ok;

  fw::testing::Click(*calculator->HelpCanvas(), 60, 20);
  auto help = fw::ImplicitInstance<helpWnd>();
  fw::testing::ProcessEvents();
  ok = fw::testing::GrabWindow(*help, path("help")) && ok;
  return ok ? 0 : 1;
}
