#include "model_file_reader.h"

#include <cstddef>
#include <vector>

#include "text_scanner.h"

namespace kestrix {

namespace {

// Reads the records in file order, straight into the fresh model, and stops
// at the first fault with a description of it.
class ModelFileParser {
 public:
  ModelFileParser(std::string_view text, Model& model) : m_scanner(text), m_model(model) {}

  std::optional<std::string> Parse() {
    const bool whole = ReadMaterial() && ReadMesh() && ReadConstraints() && ReadForces() &&
                       ReadDistributedLoads() && ReadGeometry();
    if (whole) return std::nullopt;
    return m_error;
  }

  const ModelFileNotes& notes() const { return m_notes; }

 private:
  bool ReadMaterial() {
    double E = 0.0, Mu = 0.0, Thick = 0.0;
    if (!ScanRecord("E=%lf\n", "\"E=\" and a real", E) ||
        !ScanRecord("Mu=%lf\n", "\"Mu=\" and a real", Mu) ||
        !ScanRecord("Thick=%lf\n", "\"Thick=\" and a real", Thick)) {
      return false;
    }
    m_model.SetMaterial(E, Mu, Thick);
    return true;
  }

  bool ReadMesh() {
    std::vector<ModelPosition> nodes;
    const bool nodesRead = ReadBlock("NPOIN=", [&](int k) {
      ModelPosition p;
      if (!ScanRecord("%lf,%lf\n", "the coordinates x,y of node " + std::to_string(k), p.x, p.y)) {
        return false;
      }
      nodes.push_back(p);
      return true;
    });
    std::vector<Element> elements;
    const bool elementsRead = nodesRead && ReadBlock("NELEM=", [&](int e) {
      Element corners{};
      if (!ScanRecord("%d,%d,%d,%d\n", "the four node numbers of element " + std::to_string(e),
                      corners[0], corners[1], corners[2], corners[3])) {
        return false;
      }
      for (int node : corners) {
        if (node < 0 || node >= std::ssize(nodes)) return RejectNode(node, std::ssize(nodes));
      }
      elements.push_back(corners);
      return true;
    });
    return elementsRead && m_model.ReplaceMesh(nodes, std::move(elements));
  }

  bool ReadConstraints() {
    return ReadBlock("NRN=", [&](int) {
      int node = 0, UX = 0, UY = 0;
      if (!ScanRecord("%d:%d%d\n", "a constraint line node:ux uy", node, UX, UY)) return false;
      return m_model.AddConstraint(node, UX, UY) || RejectNode(node, m_model.NPOIN());
    });
  }

  bool ReadForces() {
    return ReadBlock("NFOR=", [&](int) {
      int node = 0;
      double Fx = 0.0, Fy = 0.0;
      if (!ScanRecord("%d<%lf,%lf>\n", "a force line node<fx,fy>", node, Fx, Fy)) return false;
      return m_model.AddForce(node, Fx, Fy) || RejectNode(node, m_model.NPOIN());
    });
  }

  // The tangential intensities are read and dropped, and counted: Kestrix
  // applies normal edge loads only.
  bool ReadDistributedLoads() {
    return ReadBlock("NPRS=", [&](int) {
      int i = 0, j = 0;
      double qi = 0.0, ti = 0.0, qj = 0.0, tj = 0.0;
      if (!ScanRecord("%d(%lf,%lf),%d(%lf,%lf)\n", "a load line i(qi,ti),j(qj,tj)", i, qi, ti, j,
                      qj, tj)) {
        return false;
      }
      if (ti != 0.0 || tj != 0.0) ++m_notes.loadsWithTangentialPart;
      const bool iExists = i >= 0 && i < m_model.NPOIN();
      return m_model.AddDistributedLoad(i, qi, j, qj) || RejectNode(iExists ? j : i, m_model.NPOIN());
    });
  }

  // Polygon vertices refer to geometric points by their position in the
  // "NGPT=" block. A file that ends after the loads has no geometry.
  bool ReadGeometry() {
    if (m_scanner.AtEnd()) return true;
    std::vector<ModelPoint> points;
    const bool pointsRead = ReadBlock("NGPT=", [&](int) {
      ModelPoint point;
      if (!ScanRecord("%d:%lf,%lf\n", "a geometric point line number:x,y", point.number, point.x,
                      point.y)) {
        return false;
      }
      m_model.AddGeoPt(point.number, point.x, point.y);
      points.push_back(point);
      return true;
    });
    return pointsRead && ReadBlock("NPG=", [&](int) { return ReadPolygon(points); });
  }

  bool ReadPolygon(const std::vector<ModelPoint>& points) {
    int number = 0, vertexCount = 0;
    if (!ScanRecord("%d[%d]:", "a polygon line number[count]:", number, vertexCount)) return false;
    if (vertexCount < 1) return Reject("a polygon needs at least one vertex");
    std::vector<ModelPoint> vertices;
    for (int v = 0; v < vertexCount; ++v) {
      int position = 0;
      if (!ScanRecord("%d\n", "vertex " + std::to_string(v) + " of polygon " +
                                  std::to_string(number), position)) {
        return false;
      }
      if (position < 0 || position >= std::ssize(points)) {
        return Reject("geometric point " + std::to_string(position) + " does not exist (" +
                      std::to_string(points.size()) + " geometric points)");
      }
      vertices.push_back(points[position]);
    }
    m_model.AddPolygon(Polygon(number, std::move(vertices)));
    return true;
  }

  // A count line "key=n" and the n lines after it, each read by readLine(k).
  template <typename ReadLine>
  bool ReadBlock(const std::string& key, ReadLine readLine) {
    int count = 0;
    if (!ReadCount(key, count)) return false;
    for (int k = 0; k < count; ++k) {
      if (!readLine(k)) return false;
    }
    return true;
  }

  bool ReadCount(const std::string& key, int& count) {
    if (!ScanRecord(key + "%d\n", "\"" + key + "\" and a count", count)) return false;
    if (count < 0) return Reject("negative count " + std::to_string(count));
    return true;
  }

  // Scans one record; on failure describes what was expected where scanning stopped.
  template <typename... Fields>
  bool ScanRecord(std::string_view pattern, const std::string& expected, Fields&... fields) {
    m_recordLine = m_scanner.LineNumber();
    if (m_scanner.Scan(pattern, fields...)) return true;
    const std::string problem =
        m_scanner.AtEnd() ? "the file ends before " + expected : "expected " + expected;
    m_error = "line " + std::to_string(m_scanner.LineNumber()) + ": " + problem;
    return false;
  }

  // A record that was read but cannot be used.
  bool Reject(const std::string& problem) {
    m_error = "line " + std::to_string(m_recordLine) + ": " + problem;
    return false;
  }

  bool RejectNode(int node, std::ptrdiff_t nodeCount) {
    return Reject("node " + std::to_string(node) + " does not exist (" +
                  std::to_string(nodeCount) + " nodes)");
  }

  TextScanner m_scanner;
  Model& m_model;
  int m_recordLine = 1;
  std::string m_error;
  ModelFileNotes m_notes;
};

std::string DroppedTangentialMessage(int loads) {
  return "文件中有" + std::to_string(loads) +
         "条分布荷载含非零切向分量: Kestrix只施加法向分布荷载, 切向分量已舍弃, "
         "下次导出和计算将不包含切向分量。";
}

}  // namespace

std::optional<std::string> ReadModelText(std::string_view text, Model& model,
                                         ModelFileNotes* notes) {
  ModelFileParser parser(text, model);
  std::optional<std::string> fault = parser.Parse();
  if (notes != nullptr) *notes = parser.notes();
  return fault;
}

std::unique_ptr<Model> OpenModelFile(const std::string& path, const ScreenMapping* view,
                                     Notifier& notifier) {
  const std::optional<std::string> text = ReadTextFile(path);
  if (!text) {
    notifier.ShowMessage("前处理文本文件读取错误!", kWarningCaption);
    return nullptr;
  }
  auto model = std::make_unique<Model>();
  model->AttachNotifier(&notifier);
  ModelFileNotes notes;
  if (const std::optional<std::string> fault = ReadModelText(*text, *model, &notes)) {
    notifier.ShowMessage("Malformed model file " + path + ", " + *fault, kWarningCaption);
    return nullptr;
  }
  if (notes.loadsWithTangentialPart > 0) {
    notifier.ShowMessage(DroppedTangentialMessage(notes.loadsWithTangentialPart), kWarningCaption);
  }
  model->AttachView(view);
  model->ComputeBoundingBox();
  return model;
}

}  // namespace kestrix
