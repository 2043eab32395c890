#pragma once
// Reading back a per-node table that Solvane wrote ("Node_Dis.txt",
// "Node_Reaction.txt") with no room for doubt: a table that does not belong
// to the current model, was cut short or holds anything but numbers is
// refused with the line named, never taken in part.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kestrix {

// What a table must hold: a header line of these words (blanks between them
// free), then one row "n: a b" for each of `nodes`, in that order, then, when
// `closingLabel` is not empty, one row "closingLabel: a b". Only blank lines
// may follow.
struct NodeTableLayout {
  std::vector<std::string_view> headerWords;
  std::span<const int> nodes;
  std::string_view closingLabel;
};

// The two values of every row, closing row included; or, when the table does
// not match its layout, nothing and the fault, "line N: ...".
struct NodeTable {
  std::vector<std::pair<double, double>> rows;
  std::string fault;
};

NodeTable ReadNodeTable(std::string_view text, const NodeTableLayout& layout);

}  // namespace kestrix
