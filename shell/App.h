#pragma once

#include "framework/Application.h"

// The application object: starts the simulation when the application opens, keeps the
// five commands enabled and carries them out. Each menu handler returns False.
//
// The start-up routines and menu handlers are named after their items and steps; where such
// a name would begin with an underscore and a capital letter, which C++ reserves, it is
// written without the underscore (FileReset_Action, NewAppInstance, Main).
class App : public Application {
 public:
  // The registered application object; raises NilObjectException when there is none.
  static App& Instance();

  void Event_Open() override;
  void Event_EnableMenuItems() override;
  bool AppAboutMyApplication_Action();
  bool ToolsSample_Action();
  bool ToolsTellthetruth_Action();
  bool FileReset_Action();
  bool ToolsScatterplot_Action();
};

void NewAppInstance();
// Binds the five item names to App's handlers.
void ApplicationAddMenuHandlers();
// Releases the application object (after the event loop).
void ReleaseAppInstance();
