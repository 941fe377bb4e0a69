#pragma once

#include "framework/Layout.h"

// Each window's declarative layout: window properties, then its controls in creation
// order (also their Tab order).
const WindowLayout& WindowMainLayout();
const WindowLayout& WindowSelectScenarioLayout();
const WindowLayout& WindowWhereToLayout();
const WindowLayout& WindowSplashLayout();
const WindowLayout& WindowAboutLayout();
const WindowLayout& WindowSampleLayout();
const WindowLayout& WindowScatterplotLayout();
const WindowLayout& WindowTheTruthLayout();
