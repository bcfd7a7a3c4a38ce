#include "app/startup.h"
#include "framework/runtime.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  Main();
  return fw::RuntimeExit();
}
