#pragma once
// The programs Kestrix starts in the current directory, and the files they
// leave there: the solver run by "&Solve", the contour viewer started by
// "&Contour", and the result tables.

#include <string>

namespace kestrix {

inline constexpr const char* kSolverProgram = "Solvane";
inline constexpr const char* kContourViewerProgram = "Ambrel";

inline constexpr const char* kSolveModelFile = "fem.txt";
inline constexpr const char* kNodeDisplacementFile = "Node_Dis.txt";
inline constexpr const char* kNodeStressFile = "Node_Stress.txt";
inline constexpr const char* kElementStressFile = "Element_Stress.txt";

class MainWindow;

// True when something of that name exists in the current directory; a folder
// counts.
bool FileExists(const std::string& name);

// Writes "fem.txt", runs the solver until it has ended and reads back the
// displacements it wrote; the model counts as solved only when this run
// wrote them.
void SolveCommand(MainWindow& window);

// Starts the contour viewer once the model has been solved.
void ContourCommand(MainWindow& window);

}  // namespace kestrix
