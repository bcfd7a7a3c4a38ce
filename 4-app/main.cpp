#include "4-app/startup.h"
#include "1-framework/runtime.h"

int main(int argc, char** argv) {
  fw::RuntimeInit(argc, argv);
  Main();
  return fw::RuntimeExit();
}
