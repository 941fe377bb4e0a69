#include "app/Main.h"

#include "app/App.h"
#include "app/Menu.h"
#include "app/Pictures.h"
#include "framework/Runtime.h"
#include "model/Globals.h"

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
