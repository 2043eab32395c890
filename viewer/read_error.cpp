#include "read_error.h"

namespace ambrel {

std::string ReadError::Message() const {
  if (line == 0) return file + ": " + reason;
  return file + ", line " + std::to_string(line) + ": " + reason;
}

}  // namespace ambrel
