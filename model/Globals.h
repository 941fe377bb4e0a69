#pragma once

#include <array>
#include <string>

#include "framework/Array.h"
#include "framework/Types.h"

// The settings several parts of the program share, for the whole run. The tool windows'
// remembered places are theirs (tools/ToolWindowPlace.h), and the start-up routine is the
// application shell's (shell/StartUp.h).
namespace Globals {
// The highest field index (6), not the number of fields.
extern Int32 NumPopSurfaces;
// Birth capacity of each field, indexed by field.
extern Array<Int32> MaxNumCritters;
extern Int32 AgeAtMaturity;
extern Int32 Interbirth;
extern Int32 Lifespan;
// Allele frequency for filling a field; only entry 0 exists.
extern Array<double> AlleleFreq;
extern std::string Scenario;
extern double Heritability;

// Creates the two arrays with one zero entry each, MaxNumCritters first (before the loop).
void CreateArrays();
// Releases the arrays and the scenario text (after the loop).
void Release();

// Sets the population constants: maturity at 50, births 20 days apart, lifespan 200, and
// seven fields, the first two for 100 bugs, the other five for 25.
void SetPopulationConstants();

// The four scenarios. Scenario n is entry n - 1, and the chooser shows it in row n - 1; its name
// is what Scenario holds while it is in force, and by which other windows recognise it.
struct ScenarioEntry {
  Int32 number;
  const char* name;
  double heritability;  // negative for the scenario whose heritability is drawn at random
};
extern const std::array<ScenarioEntry, 4> Scenarios;
// The scenario of that name, or null.
const ScenarioEntry* FindScenario(const std::string& name);

// Installs scenario n (1 to 4): its name, the allele frequency 0.5 and its heritability, a
// fresh draw for the unknown one; any other n changes nothing.
void setScenario(Int32 n);
}  // namespace Globals
