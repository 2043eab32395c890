#include "model_file_writer.h"

#include <fstream>
#include <span>

#include "real_text.h"

namespace kestrix {

namespace {

void AppendCount(std::string& text, const char* key, int count) {
  text += key;
  text += std::to_string(count);
  text += '\n';
}

// The numbers of `points` with `separator` between them.
void AppendNumbers(std::string& text, std::span<const ModelPoint> points, char separator) {
  for (std::size_t k = 0; k < points.size(); ++k) {
    if (k > 0) text += separator;
    text += std::to_string(points[k].number);
  }
}

void AppendMaterial(std::string& text, const Model& model) {
  text += "E=" + FormatReal(model.E()) + '\n';
  text += "Mu=" + FormatReal(model.Mu()) + '\n';
  text += "Thick=" + FormatReal(model.Thick()) + '\n';
}

void AppendNodes(std::string& text, const Model& model) {
  AppendCount(text, "NPOIN=", model.nodes().Count());
  for (const ModelPoint& node : model.nodes().InsertionOrder()) {
    text += FormatReal(node.x) + ',' + FormatReal(node.y) + '\n';
  }
}

void AppendElements(std::string& text, const Model& model) {
  AppendCount(text, "NELEM=", model.elementOutlines().Count());
  for (const ElementOutline& outline : model.elementOutlines().InsertionOrder()) {
    AppendNumbers(text, outline.vertices, ',');
    text += '\n';
  }
}

void AppendConstraints(std::string& text, const Model& model) {
  AppendCount(text, "NRN=", model.constraints().Count());
  for (const Constraint& constraint : model.constraints().InsertionOrder()) {
    text += std::to_string(constraint.point.number) + ':';
    text += constraint.UX != 0 ? "1 " : "0 ";
    text += constraint.UY != 0 ? "1\n" : "0\n";
  }
}

void AppendForces(std::string& text, const Model& model) {
  AppendCount(text, "NFOR=", model.forces().Count());
  for (const NodalForce& force : model.forces().InsertionOrder()) {
    text += std::to_string(force.point.number) + '<' + FormatReal(force.Fx) + ',' +
            FormatReal(force.Fy) + ">\n";
  }
}

// Kestrix applies normal edge loads only: both tangential intensities are 0.
void AppendDistributedLoads(std::string& text, const Model& model) {
  AppendCount(text, "NPRS=", model.distributedLoads().Count());
  for (const DistributedLoad& load : model.distributedLoads().InsertionOrder()) {
    text += std::to_string(load.endI.number) + '(' + FormatReal(load.qi) + ",0)," +
            std::to_string(load.endJ.number) + '(' + FormatReal(load.qj) + ",0)\n";
  }
}

void AppendGeometry(std::string& text, const Model& model) {
  AppendCount(text, "NGPT=", model.geoPoints().Count());
  for (const ModelPoint& point : model.geoPoints().InsertionOrder()) {
    text += std::to_string(point.number) + ':' + FormatReal(point.x) + ',' +
            FormatReal(point.y) + '\n';
  }
  AppendCount(text, "NPG=", model.polygons().Count());
  for (const Polygon& polygon : model.polygons().InsertionOrder()) {
    text += std::to_string(polygon.number) + '[' + std::to_string(polygon.vertexCount()) + "]:";
    AppendNumbers(text, polygon.vertices(), ' ');
    text += '\n';
  }
}

}  // namespace

std::string FormatModelFile(const Model& model) {
  std::string text;
  AppendMaterial(text, model);
  AppendNodes(text, model);
  AppendElements(text, model);
  AppendConstraints(text, model);
  AppendForces(text, model);
  AppendDistributedLoads(text, model);
  AppendGeometry(text, model);
  text += "#end\n";
  return text;
}

bool ExportModelFile(const Model& model, const std::string& path) {
  const std::string text = FormatModelFile(model);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  // A file that could not be created or written whole (a full disk) is
  // reported alike: Solvane must not silently read a stale or cut-off model.
  if (!file) {
    model.notifier().ShowMessage("有限元信息文件输出失败!", kWarningCaption);
    return false;
  }
  return true;
}

}  // namespace kestrix
