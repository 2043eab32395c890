#pragma once
// What went wrong reading a result file, and where, for the message shown.

#include <string>
#include <variant>

namespace ambrel {

struct ReadError {
  std::string file;  // as shown to the user
  int line = 0;      // 1-based; 0 when the file as a whole could not be read
  std::string reason;
  friend bool operator==(const ReadError&, const ReadError&) = default;

  // "Node_Dis.txt, line 7: ..." or "Node_Dis.txt: ...".
  std::string Message() const;
};

// A value read from a file, or why it could not be.
template <typename Value>
using ReadResult = std::variant<Value, ReadError>;

}  // namespace ambrel
