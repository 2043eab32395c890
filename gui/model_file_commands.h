#pragma once
// The File menu: model files opened, saved and chosen in the file dialogs.
// The folder of a file opened or chosen becomes the current directory, where
// the solver and its files are then looked for. A command that would drop a
// modified model asks first whether to save it.

#include <string>

namespace kestrix {

class Workspace;

// An empty model in place of the current one, in the same folder.
void NewModelCommand(Workspace& workspace);

// Opens a model file chosen in the open dialog (see OpenModelFileAt).
void OpenModelFileCommand(Workspace& workspace);

// Opens entry `index` of the recent files; one that no longer exists leaves the list.
void OpenRecentFileCommand(Workspace& workspace, int index);

// Opens the model file at `path` in place of the current model, once its
// folder has become the current directory and proved writable; a file that
// cannot be read leaves the model as it was. The file becomes the model's
// file, first among the recent files, and the history starts anew. The
// command line's file is opened so, without asking about the current model.
void OpenModelFileAt(Workspace& workspace, const std::string& path);

// Saves the model to its file, or to one chosen as Save As does when it has
// none yet. True when the model was written whole.
bool SaveModelFileCommand(Workspace& workspace);

// "Save As": saves the model to a file chosen in the save dialog, which then
// becomes the model's file. True when the model was written whole.
bool ExportModelFileCommand(Workspace& workspace);

// True when nothing would be lost: the model is unmodified, or the user saved
// it, or chose to discard the changes. False when the user cancelled, or the
// save did not succeed.
bool ConfirmDiscardChanges(Workspace& workspace);

// Whether a file can be created in the current directory: creates and deletes
// the probe file "temp.tmp", or a name of its own when "temp.tmp" exists.
bool CurrentDirectoryIsWritable();

}  // namespace kestrix
