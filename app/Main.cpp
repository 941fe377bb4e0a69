#include "app/Main.h"

#include "framework/Runtime.h"

int _Main(int argc, char** argv) {
  Runtime::Init(argc, argv);
  return 0;
}
