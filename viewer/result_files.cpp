#include "result_files.h"

#include "contour_file_reader.h"
#include "displacement_file_reader.h"
#include "text_lines.h"

namespace ambrel {

std::filesystem::path ResultFilePath(const std::filesystem::path& folder, const char* fileName) {
  return folder.empty() ? std::filesystem::path(fileName) : folder / fileName;
}

ReadResult<LoadedResults> LoadResults(const std::filesystem::path& folder) {
  const std::string contourPath = ResultFilePath(folder, kContourFileName).string();
  if (!std::filesystem::exists(contourPath))
    return ReadError{contourPath, 0, "there is no such file"};
  const std::optional<std::string> contourText = ReadWholeFile(contourPath);
  if (!contourText) return ReadError{contourPath, 0, "the file cannot be read"};
  ReadResult<ContourMesh> mesh = ParseContourFile(*contourText, contourPath);
  if (const auto* error = std::get_if<ReadError>(&mesh)) return *error;

  LoadedResults results{std::move(std::get<ContourMesh>(mesh)), {}, std::nullopt};
  const std::string displacementPath = ResultFilePath(folder, kDisplacementFileName).string();
  if (!std::filesystem::exists(displacementPath)) return results;
  const std::optional<std::string> displacementText = ReadWholeFile(displacementPath);
  if (!displacementText) {
    results.displacementError = ReadError{displacementPath, 0, "the file cannot be read"};
    return results;
  }
  auto displacements = ParseDisplacementFile(*displacementText, displacementPath,
                                             static_cast<int>(results.mesh.nodes.size()));
  if (auto* error = std::get_if<ReadError>(&displacements)) {
    results.displacementError = std::move(*error);
  } else {
    results.displacements = std::move(std::get<std::vector<Displacement>>(displacements));
  }
  return results;
}

FileStamp StampOf(const std::filesystem::path& path) {
  std::error_code error;
  FileStamp stamp;
  stamp.changed = std::filesystem::last_write_time(path, error);
  if (error) return {};
  stamp.size = std::filesystem::file_size(path, error);
  if (error) return {};
  stamp.exists = true;
  return stamp;
}

}  // namespace ambrel
