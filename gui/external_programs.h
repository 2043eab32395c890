#pragma once
// The programs Kestrix starts, found in the current directory or beside
// Kestrix itself, and the files they leave in the current directory: the
// solver run by "&Solve", the contour viewer started by "&Contour", and the
// result tables.

#include <optional>
#include <string>

namespace kestrix {

inline constexpr const char* kSolverProgram = "Solvane";
inline constexpr const char* kContourViewerProgram = "Ambrel";

inline constexpr const char* kSolveModelFile = "fem.txt";
inline constexpr const char* kNodeDisplacementFile = "Node_Dis.txt";
inline constexpr const char* kNodeStressFile = "Node_Stress.txt";
inline constexpr const char* kElementStressFile = "Element_Stress.txt";
inline constexpr const char* kNodeReactionFile = "Node_Reaction.txt";

class Workspace;

// True when something exists under that name (taken in the current
// directory) or path; a folder counts.
bool FileExists(const std::string& name);

// Where the program `name` is: in the current directory when it is there (the
// name itself), else beside Kestrix's own executable in `ownFolder` (the
// path there), so that an installed set of the programs works from any model
// folder; nothing when neither holds it.
std::optional<std::string> FindProgram(const std::string& name, const std::string& ownFolder);

// Writes "fem.txt", runs the solver until it has ended and, when it ended
// with status 0, reads back the displacements and reactions it wrote; the
// model counts as solved only then. A model without elements is not solved.
void SolveCommand(Workspace& workspace);

// Starts the contour viewer once the model has been solved.
void ContourCommand(Workspace& workspace);

}  // namespace kestrix
