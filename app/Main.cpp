#include "app/Main.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/Runtime.h"
#include "model/Globals.h"

int _Main(int argc, char** argv) {
  Globals::CreateArrays();
  Runtime::Init(argc, argv);
  _NewAppInstance();
  _ApplicationAddMenuHandlers();
  App::Instance().Run();
  Menu::Release();
  Globals::Release();
  _ReleaseAppInstance();
  return 0;
}
