#include "method/band_size.h"

#include <algorithm>

#include "console/console.h"

namespace solvane {

namespace {

constexpr double kBandLimitMegabytes = 1024.0;

}  // namespace

int ComputeHalfBandwidth(const AnalysisData& data) {
  int widestSpread = 0;
  for (int e = 0; e < data.NELEM; ++e) {
    const int* corner = &data.connectivity[static_cast<std::size_t>(e) * kNodesPerElement];
    const auto [lowest, highest] = std::minmax_element(corner, corner + kNodesPerElement);
    widestSpread = std::max(widestSpread, *highest - *lowest);
  }
  return kDofPerNode * (widestSpread + 1);
}

double BandMegabytes(int halfBandwidth, int neq) {
  return static_cast<double>(halfBandwidth) * 0x1p-17 * static_cast<double>(neq);
}

bool BandFitsInMemory(const AnalysisData& data) {
  if (BandMegabytes(data.halfBandwidth, data.neq) <= kBandLimitMegabytes) return true;
  ConsoleWrite("非常抱歉，总刚阵占用内存超过1 GB, 已超出本程序处理极限!\n\n");
  ConsoleWrite("请尝试减少节点数目或者节点最大号差.\n\n");
  return FailAfterWait("输入回车键退出程序...");
}

}  // namespace solvane
