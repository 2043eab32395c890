#pragma once
// "&Open..." and "&Export...": model files chosen in the file dialogs. The
// folder of the chosen file becomes the current directory, where the solver
// and its files are then looked for.

namespace kestrix {

class MainWindow;

// Opens a model file in place of the current model, once the current directory
// has proved writable; a file that cannot be read leaves the model as it was.
void OpenModelFileCommand(MainWindow& window);

// Saves the model to a file chosen in the save dialog.
void ExportModelFileCommand(MainWindow& window);

// Whether a file can be created in the current directory: creates and deletes
// the probe file "temp.tmp", or a name of its own when "temp.tmp" exists.
bool CurrentDirectoryIsWritable();

}  // namespace kestrix
