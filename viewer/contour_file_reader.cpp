#include "contour_file_reader.h"

#include <array>
#include <optional>

#include "decimal_text.h"
#include "text_lines.h"

namespace ambrel {
namespace {

// Splits a row at its commas into exactly N fields.
template <std::size_t N>
std::optional<std::array<std::string_view, N>> SplitRow(std::string_view row) {
  std::array<std::string_view, N> fields;
  for (std::size_t i = 0; i < N; ++i) {
    const std::size_t comma = row.find(',');
    const bool last = i + 1 == N;
    if (last != (comma == std::string_view::npos)) return std::nullopt;
    fields[i] = row.substr(0, comma);
    if (!last) row.remove_prefix(comma + 1);
  }
  return fields;
}

// Reads "KEY=count" with a count of at least 1.
ReadResult<int> ReadCount(TextLines& lines, std::string_view key, const char* what) {
  const ReadResult<std::string_view> line = lines.Next();
  if (const auto* error = std::get_if<ReadError>(&line)) return *error;
  const std::string_view text = std::get<std::string_view>(line);
  const std::optional<int> count =
      text.starts_with(key) ? ParseInteger(text.substr(key.size())) : std::nullopt;
  if (!count || *count < 0) {
    return lines.ErrorHere("expected \"" + std::string(key) + "\" and the number of " + what);
  }
  if (*count == 0) return lines.ErrorHere(std::string("no ") + what + " to draw");
  return *count;
}

std::optional<ReadError> ReadNodeRow(TextLines& lines, ContourMesh& mesh) {
  const ReadResult<std::string_view> line = lines.Next();
  if (const auto* error = std::get_if<ReadError>(&line)) return *error;
  const auto fields = SplitRow<6>(std::get<std::string_view>(line));
  if (!fields) return lines.ErrorHere("expected a node row x,y,SX,SY,TXY,SE");
  std::array<double, 6> numbers;
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    const std::optional<double> number = ParseReal((*fields)[i]);
    if (!number) {
      return lines.ErrorHere("\"" + std::string(TrimBlanks((*fields)[i])) + "\" is not a number");
    }
    numbers[i] = *number;
  }
  mesh.nodes.push_back({numbers[0], numbers[1]});
  mesh.stresses.push_back({numbers[2], numbers[3], numbers[4], numbers[5]});
  return std::nullopt;
}

std::optional<ReadError> ReadElementRow(TextLines& lines, ContourMesh& mesh) {
  const ReadResult<std::string_view> line = lines.Next();
  if (const auto* error = std::get_if<ReadError>(&line)) return *error;
  const auto fields = SplitRow<4>(std::get<std::string_view>(line));
  if (!fields) return lines.ErrorHere("expected an element row of four node numbers");
  const int nodeCount = static_cast<int>(mesh.nodes.size());
  ElementNodes element;
  for (std::size_t i = 0; i < element.size(); ++i) {
    const std::optional<int> node = ParseInteger((*fields)[i]);
    if (!node) {
      return lines.ErrorHere("\"" + std::string(TrimBlanks((*fields)[i])) +
                             "\" is not a node number");
    }
    if (*node < 0 || *node >= nodeCount) {
      return lines.ErrorHere("node " + std::to_string(*node) +
                             " is out of range (NPOIN=" + std::to_string(nodeCount) + ")");
    }
    element[i] = *node;
  }
  mesh.elements.push_back(element);
  return std::nullopt;
}

}  // namespace

ReadResult<ContourMesh> ParseContourFile(std::string_view text, const std::string& fileName) {
  TextLines lines(text, fileName);
  const ReadResult<int> nodeCount = ReadCount(lines, "NPOIN=", "nodes");
  if (const auto* error = std::get_if<ReadError>(&nodeCount)) return *error;
  const ReadResult<int> elementCount = ReadCount(lines, "NELEM=", "elements");
  if (const auto* error = std::get_if<ReadError>(&elementCount)) return *error;
  const int npoin = std::get<int>(nodeCount);
  const int nelem = std::get<int>(elementCount);
  const std::string rowsExpected = "NPOIN + NELEM = " + std::to_string(1LL * npoin + nelem);
  if (!lines.HasLines(1LL * npoin + nelem)) {
    return lines.ErrorAtEnd("the file ends here, before the " + rowsExpected +
                            " rows are complete");
  }

  ContourMesh mesh;
  mesh.nodes.reserve(npoin);
  mesh.stresses.reserve(npoin);
  mesh.elements.reserve(nelem);
  for (int n = 0; n < npoin; ++n) {
    if (auto error = ReadNodeRow(lines, mesh)) return *error;
  }
  for (int e = 0; e < nelem; ++e) {
    if (auto error = ReadElementRow(lines, mesh)) return *error;
  }
  if (auto error = lines.ExpectEnd(rowsExpected + " rows")) return *error;
  return mesh;
}

}  // namespace ambrel
