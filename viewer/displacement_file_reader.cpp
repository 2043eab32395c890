#include "displacement_file_reader.h"

#include <optional>

#include "decimal_text.h"
#include "text_lines.h"

namespace ambrel {
namespace {

// The words of a line, separated by blanks.
std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  while (!(line = TrimBlanks(line)).empty()) {
    const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
    words.push_back(line.substr(0, end));
    line.remove_prefix(end);
  }
  return words;
}

std::optional<ReadError> ReadHeader(TextLines& lines) {
  const ReadResult<std::string_view> line = lines.Next();
  if (const auto* error = std::get_if<ReadError>(&line)) return *error;
  const std::vector<std::string_view> expected{"Node", "dx", "dy"};
  if (Words(std::get<std::string_view>(line)) != expected) {
    return lines.ErrorHere("expected the header \"Node dx dy\"");
  }
  return std::nullopt;
}

ReadResult<Displacement> ReadRow(TextLines& lines, int node) {
  const ReadResult<std::string_view> line = lines.Next();
  if (const auto* error = std::get_if<ReadError>(&line)) return *error;
  const std::string_view row = std::get<std::string_view>(line);
  const std::size_t colon = row.find(':');
  const std::vector<std::string_view> values = colon == std::string_view::npos
                                                   ? std::vector<std::string_view>{}
                                                   : Words(row.substr(colon + 1));
  if (values.size() != 2) return lines.ErrorHere("expected a row \"node: dx dy\"");
  const std::optional<int> number = ParseInteger(row.substr(0, colon));
  if (number != node) {
    return lines.ErrorHere("expected the row of node " + std::to_string(node));
  }
  const std::optional<double> dx = ParseReal(values[0]);
  const std::optional<double> dy = ParseReal(values[1]);
  if (!dx || !dy) {
    return lines.ErrorHere("\"" + std::string(dx ? values[1] : values[0]) + "\" is not a number");
  }
  return Displacement{*dx, *dy};
}

}  // namespace

ReadResult<std::vector<Displacement>> ParseDisplacementFile(std::string_view text,
                                                            const std::string& fileName,
                                                            int nodeCount) {
  TextLines lines(text, fileName);
  if (auto error = ReadHeader(lines)) return *error;
  const std::string rowsExpected = std::to_string(nodeCount) + " nodes of the mesh";
  if (!lines.HasLines(nodeCount)) {
    return lines.ErrorAtEnd("the file ends here, before the rows of the " + rowsExpected +
                            " are complete");
  }
  std::vector<Displacement> displacements;
  displacements.reserve(nodeCount);
  for (int node = 0; node < nodeCount; ++node) {
    ReadResult<Displacement> row = ReadRow(lines, node);
    if (const auto* error = std::get_if<ReadError>(&row)) return *error;
    displacements.push_back(std::get<Displacement>(row));
  }
  if (auto error = lines.ExpectEnd("the " + rowsExpected)) return *error;
  return displacements;
}

}  // namespace ambrel
