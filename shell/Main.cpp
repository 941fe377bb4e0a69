#include "shell/Main.h"

#include "app/Pictures.h"
#include "framework/Runtime.h"
#include "model/Globals.h"
#include "shell/App.h"
#include "shell/Menu.h"

int Main(int argc, char** argv) {
  Globals::CreateArrays();
  Runtime::Init(argc, argv);
  Runtime::ProgramName("Quellmoor");
  NewAppInstance();
  ApplicationAddMenuHandlers();
  App::Instance().Run();
  ReleasePictures();
  Menu::Release();
  Globals::Release();
  ReleaseAppInstance();
  return 0;
}
