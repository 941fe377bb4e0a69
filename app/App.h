#pragma once

#include "framework/Application.h"

// The application object: starts the simulation when the application opens, keeps the
// five commands enabled and carries them out.
class App : public Application {
 public:
  // The registered application object.
  static App& Instance();

  void Event_Open() override;
  void Event_EnableMenuItems() override;
  bool _AppAboutMyApplication_Action();
  bool _ToolsSample_Action();
  bool _ToolsTellthetruth_Action();
  bool _FileReset_Action();
  bool _ToolsScatterplot_Action();
};

// Creates, configures and registers the application object.
void _NewAppInstance();
// Binds the five item names to App's handlers.
void _ApplicationAddMenuHandlers();
// Releases the application object (after the event loop).
void _ReleaseAppInstance();
