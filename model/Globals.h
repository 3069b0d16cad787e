#pragma once
// Process-wide settings of the simulation: constants in frames (one frame is one day),
// the breeding cap of each pond surface, the hidden scenario with its per-pond worm numbers
// and allele frequencies, and the sample dialog's remembered position.

#include <cstdint>
#include <string>
#include <vector>

namespace Globals {

inline int32_t NumPopSurfaces = 0; // the highest pond index, not a count
inline int32_t AgeAtMaturity = 0;
inline int32_t Interbirth = 0;
inline int32_t Lifespan = 0;

// Indexed by pond index 0 to 5.
inline std::vector<int32_t> MaxNumCritters;
// Indexed by the two ponds, 0 and 1.
inline std::vector<int32_t> MaxNumWorms;
inline std::vector<double> AlleleFreq;
inline std::string Scenario;

inline bool SampleHasBeenOpen = false;
inline int32_t SampleOldLeft = 0;
inline int32_t SampleOldTop = 0;

// Creates the three arrays with one element 0 each (upper bound 0); start-up calls it
// before the application object exists.
void CreateArrays();
// Releases the arrays and the scenario name at exit.
void ReleaseArrays();

// Sets the constants, picks a first scenario from the tick counter and shows the first
// windows: the main window, the scenario dialog and the splash, in that order.
void StartUp();
// Sets the hidden scenario for type 1 ("Genetic") to 4 ("Both") and draws which pond gets
// many worms; any other type changes nothing and draws nothing.
void setScenario(int32_t type);

} // namespace Globals

// The highest index of a 0-based array: its number of elements minus one.
template <typename T> int32_t Ubound(const std::vector<T>& v) {
    return static_cast<int32_t>(v.size()) - 1;
}
// Resizes a 0-based array to the given upper bound, keeping the elements that remain.
template <typename T> void Redim(std::vector<T>& v, int32_t upperBound) {
    v.resize(static_cast<std::size_t>(upperBound + 1));
}
