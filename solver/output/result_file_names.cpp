#include "output/result_file_names.h"

#include <cstdio>

namespace solvane {

void RemoveResultFilesFrom(std::size_t first) {
  // A name that is not there is already what is wanted; a name that cannot be
  // removed is left as it is, since the run already ends with its message.
  for (std::size_t i = first; i < kResultFileNames.size(); ++i) {
    std::remove(kResultFileNames[i]);
  }
}

}  // namespace solvane
