#pragma once
// The main window's title: the model file's name, "*" when the model has
// changed since it was opened or saved, and the working folder, where Solve
// writes "fem.txt" and runs the solver.

#include <string>

namespace kestrix {

// "plate.txt* - /home/me/models - Kestrix"; "Untitled" before the model has a file.
std::string DocumentTitle(const std::string& documentPath, bool modified,
                          const std::string& workingFolder);

}  // namespace kestrix
