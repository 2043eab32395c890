#pragma once
// Rebuilding a Model from a model file. The file is read into a fresh model,
// which is handed over only when the whole file has been read, so a file that
// cannot be opened or is malformed never costs the user the current model.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "model.h"
#include "notifier.h"

namespace kestrix {

// What reading a model file noticed besides the model itself.
struct ModelFileNotes {
  // Edge loads with a non-zero tangential intensity, of which Kestrix keeps
  // only the normal part.
  int loadsWithTangentialPart = 0;
};

// Reads model-file text into `model`, a freshly constructed Model. Returns
// nothing when the text was read whole, else what is wrong and on which line:
// a failed conversion, a negative count, a reference to a node or geometric
// point that does not exist, or an end before the last record. A file that
// ends after the distributed loads simply has no geometry. Fills `notes`
// when given.
std::optional<std::string> ReadModelText(std::string_view text, Model& model,
                                         ModelFileNotes* notes = nullptr);

// Opens the model file at `path` as a new Model that warns through `notifier`
// and converts picks through `view`. When the file cannot be read the notifier
// shows "前处理文本文件读取错误!", when it is malformed a message naming the
// line; either way the result is empty and nothing else changes. A model read
// whole whose edge loads had tangential parts is opened with one message
// saying how many, that those parts are dropped and that the next export and
// solve will not have them.
std::unique_ptr<Model> OpenModelFile(const std::string& path, const ScreenMapping* view,
                                     Notifier& notifier);

}  // namespace kestrix
