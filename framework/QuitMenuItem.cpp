#include "framework/QuitMenuItem.h"

#include "framework/Application.h"

void QuitMenuItem::Perform() {
  if (Application* app = Application::Instance()) app->Quit();
}
