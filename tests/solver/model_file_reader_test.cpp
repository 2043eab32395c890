#include "method/model_file_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace solvane {
namespace {

const char* const kExample =
    "E=210000\nMu=0.3\nThick=1\nNPOIN=4\n0,0\n1,0\n1,1\n0,1\nNELEM=1\n0,1,2,3\n"
    "NRN=2\n0:1 1\n3:1 0\nNFOR=1\n2<0,-100>\nNPRS=1\n1(10,0),2(10,0)\n"
    "NGPT=4\n0:0,0\n1:1,0\n2:1,1\n3:0,1\nNPG=1\n0[4]:0 1 2 3\n#end\n";

struct ReadResult {
  bool ok;
  AnalysisData data;
  std::string console;
};

// Writes `text` as a model file and reads it back, capturing what the reader prints.
ReadResult ReadText(const std::string& text) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("model_reader_" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path, std::ios::binary) << text;
  ReadResult result{};
  ::testing::internal::CaptureStdout();
  result.ok = ReadModelFile(path.c_str(), result.data);
  result.console = ::testing::internal::GetCapturedStdout();
  std::filesystem::remove(path);
  return result;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

TEST(ReadModelFile, ReadsTheExampleModel) {
  const ReadResult r = ReadText(kExample);
  ASSERT_TRUE(r.ok) << r.console;
  EXPECT_EQ(r.console, "");
  const AnalysisData& d = r.data;
  EXPECT_EQ(d.E, 210000.0);
  EXPECT_EQ(d.Mu, 0.3);
  EXPECT_EQ(d.Thick, 1.0);
  ASSERT_EQ(d.NPOIN, 4);
  EXPECT_EQ(d.nodes[2].x, 1.0);
  EXPECT_EQ(d.nodes[3].y, 1.0);
  ASSERT_EQ(d.NELEM, 1);
  EXPECT_EQ(d.connectivity, (std::vector<int>{0, 1, 2, 3}));
  ASSERT_EQ(d.NRN, 2);
  EXPECT_EQ(d.constraints[1].node, 3);
  EXPECT_EQ(d.constraints[1].ux, 1);
  EXPECT_EQ(d.constraints[1].uy, 0);
  ASSERT_EQ(d.NFOR, 1);
  EXPECT_EQ(d.forces[0].node, 2);
  EXPECT_EQ(d.forces[0].fy, -100.0);
  ASSERT_EQ(d.NPRS, 1);
  const DistributedLoad& q = d.edgeLoads[0];
  EXPECT_EQ(q.i, 1);
  EXPECT_EQ(q.j, 2);
  EXPECT_EQ(q.qi, 10.0);
  EXPECT_EQ(q.qj, 10.0);
  // End coordinates and thickness are copied in from the node table and material.
  EXPECT_EQ(q.xi, 1.0);
  EXPECT_EQ(q.yi, 0.0);
  EXPECT_EQ(q.xj, 1.0);
  EXPECT_EQ(q.yj, 1.0);
  EXPECT_EQ(q.thickness, 1.0);
}

TEST(ReadModelFile, ToleratesWhitespaceVariantsOfTheFormat) {
  std::string crlf;
  for (char c : std::string(kExample)) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const ReadResult windows = ReadText(crlf);
  ASSERT_TRUE(windows.ok) << windows.console;
  EXPECT_EQ(windows.data.edgeLoads[0].qj, 10.0);

  std::string spaced = Replace(kExample, "NELEM=1\n", "\n\nNELEM=1\n\n");
  spaced = Replace(spaced, "1,0\n1,1", " 1, 1e0\n +1,1");
  const ReadResult blank = ReadText(spaced);
  ASSERT_TRUE(blank.ok) << blank.console;
  EXPECT_EQ(blank.data.NELEM, 1);
  EXPECT_EQ(blank.data.nodes[1].y, 1.0);
  EXPECT_EQ(blank.data.nodes[2].x, 1.0);
}

TEST(ReadModelFile, FileEndingAfterTheLoadsIsComplete) {
  const std::string analysisOnly = std::string(kExample).substr(0, std::string(kExample).find("NGPT"));
  const ReadResult r = ReadText(analysisOnly.substr(0, analysisOnly.size() - 1));  // no final line end
  ASSERT_TRUE(r.ok) << r.console;
  EXPECT_EQ(r.data.edgeLoads[0].qj, 10.0);
}

TEST(ReadModelFile, ReadsEmptyBlocksExponentsAndOtherFlags) {
  const ReadResult r = ReadText(
      "E=2.1e+011\nMu=0.3\nThick=1e-05\nNPOIN=4\n0,0\n1,0\n1,1\n0,1\nNELEM=1\n0,1,2,3\n"
      "NRN=1\n0:2 1\nNFOR=0\nNPRS=1\n1(10,-2.5),2(10,3E-2)\n");
  ASSERT_TRUE(r.ok) << r.console;
  EXPECT_EQ(r.data.E, 2.1e11);
  EXPECT_EQ(r.data.Thick, 1e-05);
  EXPECT_EQ(r.data.constraints[0].ux, 2);
  EXPECT_EQ(r.data.NFOR, 0);
  EXPECT_TRUE(r.data.forces.empty());
  EXPECT_EQ(r.data.edgeLoads[0].ti, -2.5);
  EXPECT_EQ(r.data.edgeLoads[0].tj, 0.03);
  EXPECT_EQ(r.data.edgeLoads[0].thickness, 1e-05);

  const ReadResult unconstrained = ReadText(
      "E=1\nMu=0\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n");
  ASSERT_TRUE(unconstrained.ok) << unconstrained.console;
  EXPECT_EQ(unconstrained.data.NPOIN, 0);
}

TEST(ReadModelFile, ReadsRealsAsTheCLibraryDoesBeyondDecimalRange) {
  const ReadResult r = ReadText(
      "E=0x1.8p1\nMu=1e-400\nThick=+1e999\nNPOIN=1\n-1e999,0X10\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n");
  ASSERT_TRUE(r.ok) << r.console;
  EXPECT_EQ(r.data.E, 3.0);
  EXPECT_EQ(r.data.Mu, 0.0);
  EXPECT_EQ(r.data.Thick, HUGE_VAL);
  EXPECT_EQ(r.data.nodes[0].x, -HUGE_VAL);
  EXPECT_EQ(r.data.nodes[0].y, 16.0);
}

TEST(ReadModelFile, MissingOrUnreadableFileIsReported) {
  for (const char* path : {"/nonexistent/fem.txt", "/"}) {  // "/" opens but cannot be read
    AnalysisData data;
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(ReadModelFile(path, data)) << path;
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "前处理文本文件读取错误!\n") << path;
  }
}

// Each malformed variant must be refused with a message naming its record and line.
TEST(ReadModelFile, MalformedInputNamesRecordAndLine) {
  struct Case {
    std::string from, to, expected;
  };
  const Case cases[] = {
      {"Mu=0.3", "Mu=abc", "第2行, Mu=记录无法读取!"},
      {"Thick=1", "Thick =1", "第3行, Thick=记录无法读取!"},
      {"NPOIN=4", "NPOIN=-4", "第4行, NPOIN=数目-4无效!"},
      {"NPOIN=4", "NPOIN=400000000", "第4行, NPOIN=数目400000000无效!"},
      {"NPOIN=4", "NPOIN=99999999999", "第4行, NPOIN=记录无法读取!"},
      {"1,1\n", "1;1\n", "第7行, 节点坐标(NPOIN)记录无法读取!"},
      {"0,1,2,3\n", "0,1,2,4\n", "第10行, 单元(NELEM)记录中的节点号4不存在(节点总数4)!"},
      {"0,1,2,3\n", "0,-1,2,3\n", "第10行, 单元(NELEM)记录中的节点号-1不存在(节点总数4)!"},
      {"3:1 0", "7:1 0", "第13行, 约束(NRN)记录中的节点号7不存在(节点总数4)!"},
      {"3:1 0", "3 :1 0", "第13行, 约束(NRN)记录无法读取!"},
      {"2<0,-100>", "9<0,-100>", "第15行, 集中力(NFOR)记录中的节点号9不存在(节点总数4)!"},
      {"1(10,0),2(10,0)", "1(10,0),5(10,0)", "第17行, 分布荷载(NPRS)记录中的节点号5不存在(节点总数4)!"},
      {"1(10,0),2(10,0)", "1(10,0) 2(10,0)", "第17行, 分布荷载(NPRS)记录无法读取!"},
  };
  for (const Case& c : cases) {
    const ReadResult r = ReadText(Replace(kExample, c.from, c.to));
    EXPECT_FALSE(r.ok) << c.to;
    EXPECT_EQ(r.console, "前处理文本文件格式错误: " + c.expected + "\n") << c.to;
  }
}

// Reading stops after the loads, but what follows them must be the geometry
// section or nothing: a load line beyond the count is not dropped silently.
TEST(ReadModelFile, OnlyTheGeometrySectionOrTheEndMayFollowTheLoads) {
  const std::string analysis = std::string(kExample).substr(0, std::string(kExample).find("NGPT"));
  for (const std::string& tail : {std::string("NGPT=0\n"), std::string("\r\n\n  NGPT=4\n0:"),
                                  std::string(" \n\t")}) {
    const ReadResult r = ReadText(analysis + tail);
    EXPECT_TRUE(r.ok) << tail << r.console;
  }
  const std::string refused =
      "前处理文本文件格式错误: 第18行, 分布荷载(NPRS)记录之后只能是NGPT=记录或文件结束!\n";
  for (const std::string& tail : {std::string("1(10,0),2(10,0)\n"), std::string("NGPT 4\n"),
                                  std::string("NGPT=-1\n"), std::string("NPG=0\n"),
                                  std::string("#end\n")}) {
    const ReadResult r = ReadText(analysis + tail);
    EXPECT_FALSE(r.ok) << tail;
    EXPECT_EQ(r.console, refused) << tail;
  }
  const ReadResult countTooSmall = ReadText(Replace(kExample, "NPRS=1", "NPRS=0"));
  EXPECT_EQ(countTooSmall.console,
            "前处理文本文件格式错误: 第17行, 分布荷载(NPRS)记录之后只能是NGPT=记录或文件结束!\n");
}

TEST(ReadModelFile, FileEndingEarlyIsReported) {
  const std::string text = kExample;
  const ReadResult noLoads = ReadText(text.substr(0, text.find("NPRS")));
  EXPECT_FALSE(noLoads.ok);
  EXPECT_EQ(noLoads.console, "前处理文本文件格式错误: 文件在第16行提前结束, 缺少NPRS=记录!\n");
  const ReadResult shortNodes = ReadText("E=1\nMu=0\nThick=1\nNPOIN=3\n0,0\n1,0\n");
  EXPECT_FALSE(shortNodes.ok);
  EXPECT_EQ(shortNodes.console,
            "前处理文本文件格式错误: 文件在第7行提前结束, 缺少节点坐标(NPOIN)记录!\n");
}

// Damaged copies of the example are either refused or read into a model whose
// every node reference is valid, which is all the later steps rely on.
TEST(ReadModelFile, DamagedFilesAreRefusedOrReadConsistently) {
  std::mt19937 random(20261207);
  const std::string original = kExample;
  const std::string replacements = "0123456789-+.,:<>()e \n9";
  int accepted = 0;
  for (int trial = 0; trial < 1500; ++trial) {
    std::string text = original;
    const int edits = 1 + static_cast<int>(random() % 3);
    for (int k = 0; k < edits; ++k) {
      const std::size_t at = random() % text.size();
      switch (random() % 3) {
        case 0: text[at] = replacements[random() % replacements.size()]; break;
        case 1: text.erase(at, 1); break;
        default: text.insert(at, 1, replacements[random() % replacements.size()]);
      }
    }
    const ReadResult r = ReadText(text);
    if (!r.ok) {
      EXPECT_EQ(r.console.rfind("前处理文本文件格式错误: ", 0), 0u) << text;
      continue;
    }
    ++accepted;
    const AnalysisData& d = r.data;
    ASSERT_EQ(d.nodes.size(), static_cast<std::size_t>(d.NPOIN));
    ASSERT_EQ(d.connectivity.size(), static_cast<std::size_t>(d.NELEM) * 4);
    ASSERT_EQ(d.constraints.size(), static_cast<std::size_t>(d.NRN));
    ASSERT_EQ(d.forces.size(), static_cast<std::size_t>(d.NFOR));
    ASSERT_EQ(d.edgeLoads.size(), static_cast<std::size_t>(d.NPRS));
    auto valid = [&d](int node) { return node >= 0 && node < d.NPOIN; };
    for (int node : d.connectivity) EXPECT_TRUE(valid(node)) << text;
    for (const Constraint& c : d.constraints) EXPECT_TRUE(valid(c.node)) << text;
    for (const NodalForce& f : d.forces) EXPECT_TRUE(valid(f.node)) << text;
    for (const DistributedLoad& q : d.edgeLoads) EXPECT_TRUE(valid(q.i) && valid(q.j)) << text;
  }
  EXPECT_GT(accepted, 0);
}

}  // namespace
}  // namespace solvane
