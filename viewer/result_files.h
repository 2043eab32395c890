#pragma once
// The one place that knows the names of the solver's files that the viewer
// reads, and reads them from a folder: the contour file always, the
// displacements when they are there.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "contour_mesh.h"
#include "read_error.h"

namespace ambrel {

inline constexpr char kContourFileName[] = "Node_Stress_ZelContour.txt";
inline constexpr char kDisplacementFileName[] = "Node_Dis.txt";

struct LoadedResults {
  ContourMesh mesh;
  // One per node; empty when there is no displacement file or it was refused.
  std::vector<Displacement> displacements;
  // Why a displacement file that is there was refused.
  std::optional<ReadError> displacementError;
};

// The path of a result file in `folder`, the current directory when empty;
// also how messages name the file.
std::filesystem::path ResultFilePath(const std::filesystem::path& folder, const char* fileName);

ReadResult<LoadedResults> LoadResults(const std::filesystem::path& folder);

// What tells one version of a file from the next: its time of last change
// and its size; equal stamps for a file that is not there.
struct FileStamp {
  bool exists = false;
  std::filesystem::file_time_type changed;
  std::uintmax_t size = 0;
  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

FileStamp StampOf(const std::filesystem::path& path);

}  // namespace ambrel
