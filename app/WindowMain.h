#pragma once

#include <array>
#include <memory>

#include "app/spriteDataPopUp.h"
#include "app/spritePopUp.h"
#include "framework/PushButton.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"
#include "framework/Window.h"
#include "model/popSurface.h"
#include "model/smartSprite.h"

// The window in which the simulation runs: seven fields with their counts and "Clear"
// buttons, Run/Pause, the day counter and the day timer. The running state is the Run
// button's caption and the day counter is its label's text.
class WindowMain : public Window {
 public:
  WindowMain();

  // The bug being dragged; null when none.
  std::shared_ptr<smartSprite> DragSprite;
  Int32 OldMouseX = 0;
  Int32 OldMouseY = 0;
  // The field whose "Clear" button opened the where-to dialog; -1 for none.
  Int32 fromPond = -1;

  // Controls by control-array index: fields and their count labels and "Clear" buttons.
  popSurface& popSurfaces(Int32 i) const;
  StaticText& StaticTextPopSize(Int32 i) const;
  PushButton& PushButtonClear(Int32 i) const;
  PushButton& PushButtonRun() const { return *run_; }
  Timer& TimerMain() const { return *timer_; }
  StaticText& StaticTextNumClicks() const { return *numClicks_; }
  // The drag picture and the data card that follow a carried bug.
  spritePopUp& spritePopUp1() const;
  spriteDataPopUp& spriteDataPopUp1() const;

  void popSurfaces_Open(popSurface& field);
  void PushButtonRun_Action();
  void TimerMain_Action();
  void PushButtonClear_Action(Int32 index);
  void Event_Open() override;
  void Event_Activate() override;
  // Picks up the oldest bug under the point of the first field that holds the point, while
  // the simulation is paused; True when a bug was taken.
  bool Event_MouseDown(Int32 x, Int32 y) override;
  // Carries the drag picture and the data card along with the pointer.
  void Event_MouseDrag(Int32 x, Int32 y) override;
  // Drops the carried bug into the field under the pointer; outside every field it is lost.
  void Event_MouseUp(Int32 x, Int32 y) override;
  // Brings the seven count labels up to date, writing only those that changed.
  void UpdateSizes();
  // Appends count new bugs to the field, then runs one frame of it.
  void PopulatePond(Int32 field, Int32 count);
  // Empties every field, then refreshes the counts.
  void ClearAll();

 protected:
  std::unique_ptr<Control> MakeControl(const ControlSpec& desc) override;
  void BindControls() override;

 private:
  static constexpr std::size_t kFields = 7;
  std::array<popSurface*, kFields> fields_{};
  std::array<StaticText*, kFields> counts_{};
  std::array<PushButton*, kFields> clears_{};
  PushButton* run_ = nullptr;
  Timer* timer_ = nullptr;
  StaticText* numClicks_ = nullptr;
  spritePopUp* dragPicture_ = nullptr;
  spriteDataPopUp* dataCard_ = nullptr;
};
