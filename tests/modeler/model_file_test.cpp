#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model_file_reader.h"
#include "model_file_writer.h"
#include "model_session.h"
#include "real_text.h"
#include "support/scratch_folder.h"

namespace kestrix {
namespace {

class ModelFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (m_scratch / name).string(); }

  // Opens `text` as a model file; the model is empty when it was refused.
  std::unique_ptr<Model> Open(const std::string& text) {
    return OpenModelFile(m_scratch.Write("model.txt", text), &m_view, m_notifier);
  }

  // Export, open and export again.
  std::string ReexportedText(const Model& model) {
    EXPECT_TRUE(ExportModelFile(model, PathOf("first.txt")));
    const std::unique_ptr<Model> reopened = OpenModelFile(PathOf("first.txt"), &m_view, m_notifier);
    EXPECT_NE(reopened, nullptr);
    return reopened ? FormatModelFile(*reopened) : std::string();
  }

  test_support::ScratchFolder m_scratch;
  RecordingNotifier m_notifier;
  ViewTransform m_view;
};

constexpr const char* kFreshModelFile =
    "E=210000\nMu=0.3\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\nNGPT=0\nNPG=0\n#end\n";

// The unit square picked counter-clockwise from the origin.
constexpr std::array<ModelPosition, 4> kUnitSquare{{{0, 0}, {1, 0}, {1, 1}, {0, 1}}};

// One meshed square with a support, a force and an edge load: every record
// of the file is present.
void BuildLoadedSquare(ModelSession& session) {
  session.AddQuad(kUnitSquare);
  session.MeshPolygonAround({0.5, 0.5}, 2, 1);
  session.model.SetMaterial(70000, 0.33, 2);
  session.SelectNodesIn({0, 0}, {0, 1});
  session.model.ApplyConstraint(true, false);
  session.SelectNodeAt({0, 0});
  session.model.ApplyConstraint(false, true);
  session.SelectNodeAt({1, 1});
  session.model.ApplyForce(1.0 / 3.0, -250);
  session.SelectEdgesIn({1, 0}, {1, 1});
  session.model.ApplyDistributedLoad(10, 2.5e-7);
}

TEST(RealText, SixSignificantDigitsInTheShorterNotation) {
  EXPECT_EQ(FormatReal(210000), "210000");
  EXPECT_EQ(FormatReal(0.3), "0.3");
  EXPECT_EQ(FormatReal(1.0 / 3.0), "0.333333");
  EXPECT_EQ(FormatReal(1234.5678), "1234.57");
  EXPECT_EQ(FormatReal(2.1e11), "2.1e+11");
  EXPECT_EQ(FormatReal(1e-5), "1e-05");
  EXPECT_EQ(FormatReal(1234567), "1.23457e+06");
  EXPECT_EQ(FormatReal(-12.5), "-12.5");
  EXPECT_EQ(FormatReal(0.0), "0");
}

TEST_F(ModelFileTest, FreshModelExportsDefaultsAndZeroCounts) {
  ModelSession session;
  EXPECT_EQ(FormatModelFile(session.model), kFreshModelFile);

  const std::unique_ptr<Model> reopened = Open(kFreshModelFile);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->E(), 210000);
  EXPECT_EQ(reopened->NPOIN(), 0);
  EXPECT_EQ(reopened->boundingBox(), (BoundingBox{-0.5, 0.5, -0.5, 0.5}));
}

TEST_F(ModelFileTest, MeshedSquareListsNodesElementsAndPolygonInCreationOrder) {
  ModelSession session;
  session.AddQuad(kUnitSquare);
  session.MeshPolygonAround({0.5, 0.5}, 1, 1);
  const std::string expected =
      "E=210000\nMu=0.3\nThick=1\n"
      "NPOIN=4\n0,0\n1,0\n0,1\n1,1\n"
      "NELEM=1\n0,1,3,2\n"
      "NRN=0\nNFOR=0\nNPRS=0\n"
      "NGPT=4\n0:0,0\n1:1,0\n2:1,1\n3:0,1\n"
      "NPG=1\n0[4]:0 1 2 3\n#end\n";
  EXPECT_EQ(FormatModelFile(session.model), expected);
  EXPECT_EQ(ReexportedText(session.model), expected);
}

TEST_F(ModelFileTest, LoadedModelReopensIdentically) {
  ModelSession session;
  BuildLoadedSquare(session);
  const std::string written = FormatModelFile(session.model);
  EXPECT_NE(written.find("NRN=3\n3:1 0\n0:1 0\n0:0 1\n"), std::string::npos) << written;
  EXPECT_NE(written.find("NFOR=1\n5<0.333333,-250>\n"), std::string::npos) << written;
  EXPECT_NE(written.find("NPRS=1\n2(10,0),5(2.5e-07,0)\n"), std::string::npos) << written;
  EXPECT_EQ(ReexportedText(session.model), written);
}

TEST_F(ModelFileTest, ReopenedModelKeepsListOrderAndRebuildsDerivedData) {
  ModelSession session;
  BuildLoadedSquare(session);
  ASSERT_TRUE(ExportModelFile(session.model, PathOf("fem.txt")));
  const std::unique_ptr<Model> reopened = OpenModelFile(PathOf("fem.txt"), &m_view, m_notifier);
  ASSERT_NE(reopened, nullptr);

  EXPECT_EQ(reopened->Thick(), 2);
  EXPECT_TRUE(std::ranges::equal(reopened->connectivity(), session.model.connectivity()));
  EXPECT_EQ(reopened->constraints().Front().point.number, 0);
  EXPECT_EQ(reopened->constraints().Front().UY, 1);
  EXPECT_EQ(reopened->forces().Front().Fx, 0.333333);
  EXPECT_EQ(reopened->edges().Count(), 7);
  EXPECT_DOUBLE_EQ(reopened->averageElementEdgeLength(), 0.75);
  EXPECT_EQ(reopened->boundingBox(), (BoundingBox{0, 1, 0, 1}));
  EXPECT_FALSE(reopened->solved());
  EXPECT_TRUE(m_notifier.messages.empty());
}

TEST_F(ModelFileTest, ConstraintFlagsAreKeptAsReadAndWrittenAsZeroOrOne) {
  const std::unique_ptr<Model> model =
      Open("E=1\nMu=0\nThick=1\nNPOIN=5\n0,0\n1,0\n2,0\n3,0\n4,0\nNELEM=0\n"
           "NRN=1\n4:2 0\nNFOR=0\nNPRS=0\n");
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->constraints().Front().UX, 2);
  EXPECT_NE(FormatModelFile(*model).find("NRN=1\n4:1 0\n"), std::string::npos);
}

// The next export and solve would quietly solve another problem than the
// file held: the user is told once, with the count of such loads.
TEST_F(ModelFileTest, TangentialLoadsAreDroppedOnReadingAndTheUserIsToldOnce) {
  const std::string head = "E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\nNELEM=0\nNRN=0\nNFOR=0\n";
  const std::unique_ptr<Model> model =
      Open(head + "NPRS=3\n0(10,5),1(12,-7)\n0(1,0),1(1,0)\n1(2,0),0(2,1e-9)\n");
  ASSERT_NE(model, nullptr);
  EXPECT_NE(FormatModelFile(*model).find("NPRS=3\n0(10,0),1(12,0)\n0(1,0),1(1,0)\n1(2,0),0(2,0)\n"),
            std::string::npos);
  EXPECT_EQ(m_notifier.messages,
            (std::vector<ShownMessage>{
                {"文件中有2条分布荷载含非零切向分量: Kestrix只施加法向分布荷载, 切向分量已舍弃, "
                 "下次导出和计算将不包含切向分量。",
                 "Warning!"}}));

  m_notifier.messages.clear();
  ASSERT_NE(Open(head + "NPRS=1\n0(10,0),1(12,-0)\n"), nullptr);
  EXPECT_TRUE(m_notifier.messages.empty());
  EXPECT_EQ(Open(head + "NPRS=2\n0(10,5),1(12,-7)\n0(1,0),9(1,0)\n"), nullptr);
  ASSERT_EQ(m_notifier.messages.size(), 1u) << "a refused file gives its fault alone";
}

TEST_F(ModelFileTest, FileWithoutGeometrySectionHasNoGeometricPoints) {
  const std::unique_ptr<Model> model =
      Open("E=1\nMu=0\nThick=1\nNPOIN=1\n3,4\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n");
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->NPOIN(), 1);
  EXPECT_TRUE(model->geoPoints().IsEmpty());
  EXPECT_EQ(model->boundingBox(), (BoundingBox{2.5, 3.5, 3.5, 4.5}));
}

TEST_F(ModelFileTest, CarriageReturnsBlankLinesAndExponentsReadLikePlainLines) {
  const std::string plain =
      "E=2.1e+11\nMu=0.3\nThick=1e-05\nNPOIN=2\n0,0\n1,0\nNELEM=0\nNRN=0\nNFOR=1\n1<-1e-05,0>\n"
      "NPRS=0\nNGPT=1\n0:2.1e+11,-0\nNPG=0\n#end\n";
  const std::string windows =
      "E=2.1e+011\r\n\r\nMu=0.3\r\nThick=1e-005\r\nNPOIN=2\r\n  0,0\r\n1,0\r\n\r\nNELEM=0\r\n"
      "NRN=0\r\nNFOR=1\r\n1<-1e-05,0>\r\nNPRS=0\r\nNGPT=1\r\n0:2.1e+011,-0\r\nNPG=0\r\n#end\r\n";
  const std::unique_ptr<Model> fromPlain = Open(plain);
  const std::unique_ptr<Model> fromWindows = Open(windows);
  ASSERT_NE(fromPlain, nullptr);
  ASSERT_NE(fromWindows, nullptr);
  EXPECT_EQ(fromWindows->E(), 2.1e11);
  EXPECT_EQ(fromWindows->Thick(), 1e-5);
  EXPECT_EQ(FormatModelFile(*fromWindows), FormatModelFile(*fromPlain));
  EXPECT_EQ(FormatModelFile(*fromPlain), plain);
}

TEST_F(ModelFileTest, PolygonVerticesReferToPointPositionsInTheFile) {
  const std::unique_ptr<Model> model =
      Open("E=1\nMu=0\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\n"
           "NGPT=3\n10:0,0\n11:4,0\n12:4,3\nNPG=1\n0[3]:2 0 1\n#end\n");
  ASSERT_NE(model, nullptr);
  const Polygon& polygon = model->polygons().Front();
  ASSERT_EQ(polygon.vertexCount(), 3);
  EXPECT_EQ(polygon.vertices()[0].number, 12);
  EXPECT_EQ(polygon.vertices()[1].x, 0);
  EXPECT_EQ(polygon.box(), (BoundingBox{0, 4, 0, 3}));
}

// A model that stays as it was and the message the user is shown.
struct RefusedFile {
  const char* text;
  const char* message;
};

class MalformedModelFile : public ModelFileTest,
                           public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(MalformedModelFile, IsRefusedWithTheLineNamed) {
  const std::unique_ptr<Model> model = Open(GetParam().text);
  EXPECT_EQ(model, nullptr);
  ASSERT_EQ(m_notifier.messages.size(), 1u);
  EXPECT_EQ(m_notifier.messages[0].caption, "Warning!");
  EXPECT_EQ(m_notifier.messages[0].text,
            "Malformed model file " + PathOf("model.txt") + ", " + GetParam().message);
}

constexpr const char* kHead = "E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\n";

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedModelFile,
    ::testing::Values(
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=two\n",
                    "line 4: expected \"NPOIN=\" and a count"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=-2\n", "line 4: negative count -2"},
        RefusedFile{"E=1\nMu=0\nThick=1\nnpoin=0\n", "line 4: expected \"NPOIN=\" and a count"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=3\n0,0\n1 ,0\n",
                    "line 6: expected the coordinates x,y of node 1"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=3\n0,0\n1,0\n",
                    "line 6: the file ends before the coordinates x,y of node 2"},
        RefusedFile{"E=1\rMu=0\rThick=1\rNPOIN=3\r0,0\r\r1 ,0\r",
                    "line 7: expected the coordinates x,y of node 1"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=2000000000\n0,0\n",
                    "line 5: the file ends before the coordinates x,y of node 1"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\nNELEM=1\n0,1,2,1\n",
                    "line 8: node 2 does not exist (2 nodes)"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\nNELEM=0\nNRN=1\n-1:1 1\n",
                    "line 9: node -1 does not exist (2 nodes)"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\nNELEM=0\nNRN=0\nNFOR=1\n7<1,1>\n",
                    "line 10: node 7 does not exist (2 nodes)"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=2\n0,0\n1,0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=1\n"
                    "0(1,0),2(1,0)\n",
                    "line 11: node 2 does not exist (2 nodes)"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\nNGPT=5\n"
                    "0:0,0\n1:1,0\n2:1,1\n3:0,1\n4:2,2\nNPG=1\n0[4]:0 1 7 3\n",
                    "line 16: geometric point 7 does not exist (5 geometric points)"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\nNGPT=0\n"
                    "NPG=1\n0[0]:\n",
                    "line 11: a polygon needs at least one vertex"},
        RefusedFile{"E=1\nMu=0\nThick=1\nNPOIN=0\nNELEM=0\nNRN=0\nNFOR=0\nNPRS=0\nNGPT=1\n",
                    "line 9: the file ends before a geometric point line number:x,y"}));

TEST_F(ModelFileTest, UnreadableFileIsReportedAndNothingIsOpened) {
  EXPECT_EQ(OpenModelFile(PathOf("missing.txt"), &m_view, m_notifier), nullptr);
  EXPECT_EQ(OpenModelFile(m_scratch.path().string(), &m_view, m_notifier), nullptr);
  const ShownMessage unreadable{"前处理文本文件读取错误!", "Warning!"};
  EXPECT_EQ(m_notifier.messages, (std::vector{unreadable, unreadable}));
}

TEST_F(ModelFileTest, ExportThatCannotWriteWarnsAndKeepsTheModel) {
  ModelSession session;
  BuildLoadedSquare(session);
  const std::string before = FormatModelFile(session.model);
  EXPECT_FALSE(ExportModelFile(session.model, PathOf("no_such_folder/fem.txt")));
  ASSERT_EQ(session.notifier.messages.size(), 1u);
  EXPECT_EQ(session.notifier.messages[0],
            (ShownMessage{"有限元信息文件输出失败!", "Warning!"}));
  EXPECT_EQ(FormatModelFile(session.model), before);
}

TEST_F(ModelFileTest, ExportReplacesAnOlderFile) {
  ModelSession session;
  ASSERT_TRUE(ExportModelFile(session.model, m_scratch.Write("fem.txt", std::string(5000, 'x'))));
  EXPECT_EQ(m_scratch.Read("fem.txt"), kFreshModelFile);
}

}  // namespace
}  // namespace kestrix
