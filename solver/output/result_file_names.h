#pragma once
// The names of the files a run writes, in the order it writes them.

#include <array>
#include <cstddef>

namespace solvane {

inline constexpr std::array<const char*, 10> kResultFileNames = {
    "structure.dxf",
    "Node_Dis.txt",
    "deformation.dxf",
    "Node_Stress.txt",
    "Element_Stress.txt",
    "Node_Stress_Tecplot.dat",
    "Equivalent_Node_Stress_Tecplot.dat",
    "Animate_Equivalent_Node_Stress_Tecplot.dat",
    "Node_Stress_ZelContour.txt",
    "Node_Reaction.txt"};

// Positions in kResultFileNames of the files written before the solve.
inline constexpr std::size_t kStructureDrawing = 0;
inline constexpr std::size_t kFirstResultAfterSolve = 1;

// Removes the files from position `first` of kResultFileNames on. A run that
// ends early calls it for the files it did not write, so that an earlier
// run's results never stand beside this run's as if they belonged to it.
void RemoveResultFilesFrom(std::size_t first);

}  // namespace solvane
