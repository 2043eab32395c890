#include "viewer_window.h"

#include <algorithm>
#include <cmath>

#include "band_raster.h"
#include "colour_bar.h"
#include "decimal_text.h"
#include "deformation.h"
#include "field_probe.h"
#include "model_box.h"
#include "picture_style.h"
#include "plot_overlays.h"

namespace ambrel {
namespace {

constexpr double kZoomPerWheelStep = 1.25;
constexpr int kNoteMargin = 8;

double MeanEdgeLength(const std::vector<ModelPosition>& nodes, const std::vector<MeshEdge>& edges) {
  if (edges.empty()) return 0.0;
  double sum = 0.0;
  for (const MeshEdge& edge : edges) {
    sum += std::hypot(nodes[edge.second].x - nodes[edge.first].x,
                      nodes[edge.second].y - nodes[edge.first].y);
  }
  return sum / static_cast<double>(edges.size());
}

// Whether new results belong to the model shown, so that the view may stay.
bool SameModel(const ContourMesh& a, const ContourMesh& b) {
  return a.nodes == b.nodes && a.elements == b.elements;
}

PixelPoint CentreOfPixel(int x, int y) { return {x + 0.5, y + 0.5}; }

}  // namespace

ViewerWindow::ViewerWindow(std::filesystem::path folder) : folder_(std::move(folder)) {}

bool ViewerWindow::Load() {
  const FileStamp stamp = StampOf(ResultFilePath(folder_, kContourFileName));
  ReadResult<LoadedResults> results = LoadResults(folder_);
  if (TakeIfRead(results, stamp)) return true;
  ShowReadError(std::get<ReadError>(results));
  // The user has seen why; only a change of the file is worth reading.
  failedStamp_ = stamp;
  failures_ = kMaxRetries;
  return false;
}

AfterChange ViewerWindow::OnFilesChanged() {
  const FileStamp stamp = StampOf(ResultFilePath(folder_, kContourFileName));
  if (HasPicture() && stamp == shownStamp_) return AfterChange::Done;
  if (stamp != failedStamp_) {
    failedStamp_ = stamp;
    failures_ = 0;
  } else if (failures_ >= kMaxRetries) {
    return AfterChange::Done;
  }
  ReadResult<LoadedResults> results = LoadResults(folder_);
  if (TakeIfRead(results, stamp)) return AfterChange::Done;
  if (++failures_ < kMaxRetries) return AfterChange::RetrySoon;
  ShowReadError(std::get<ReadError>(results));
  return AfterChange::Done;
}

bool ViewerWindow::TakeIfRead(ReadResult<LoadedResults>& results, const FileStamp& stamp) {
  auto* loaded = std::get_if<LoadedResults>(&results);
  if (loaded == nullptr) return false;
  Take(std::move(*loaded));
  shownStamp_ = stamp;
  failedStamp_ = {};
  failures_ = 0;
  return true;
}

void ViewerWindow::ShowReadError(const ReadError& error) {
  message_ = error.Message();
  if (HasPicture()) message_ += " (the picture shows the results read before)";
}

void ViewerWindow::Take(LoadedResults results) {
  const bool sameModel = results_ && SameModel(results_->mesh, results.mesh);
  results_ = std::move(results);
  if (!sameModel) {
    edges_ = EdgesOf(results_->mesh.elements);
    meanEdgeLength_ = MeanEdgeLength(results_->mesh.nodes, edges_.all);
  }
  message_ = results_->displacementError ? results_->displacementError->Message() : "";
  UpdateField();
  UpdateShape();
  if (!sameModel) Fit();
}

void ViewerWindow::UpdateField() {
  if (!results_) return;
  field_ = FieldOf(results_->mesh.stresses, options_.component);
  scale_ = BandScale(field_.extremes, options_.legend);
}

void ViewerWindow::UpdateShape() {
  if (!results_) return;
  const ContourMesh& mesh = results_->mesh;
  deformationScale_ = DeformationScale(mesh.nodes, results_->displacements);
  drawn_ = Deformed() ? DeformedPositions(mesh.nodes, results_->displacements,
                                          deformationScale_ * options_.deformationFactor)
                      : mesh.nodes;
}

bool ViewerWindow::HasDisplacements() const { return results_ && !results_->displacements.empty(); }

bool ViewerWindow::Deformed() const {
  return options_.deformedShape && HasDisplacements() && deformationScale_ > 0.0;
}

PixelRect ViewerWindow::PlotArea() const {
  return {0, 0, std::max(1, width_ - kColourBarWidth), std::max(1, height_)};
}

void ViewerWindow::Fit() {
  if (!results_) return;
  const ModelBox box = Union(BoxOf(drawn_), BoxOf(results_->mesh.nodes));
  const PixelRect plot = PlotArea();
  view_.Fit(box, plot.width, plot.height);
}

void ViewerWindow::OnSize(int width, int height) {
  width_ = width;
  height_ = height;
  Fit();
}

void ViewerWindow::OnButtonDown(int x, int y) { dragFrom_ = CentreOfPixel(x, y); }

void ViewerWindow::OnMouseMove(int x, int y) {
  const PixelPoint at = CentreOfPixel(x, y);
  if (dragFrom_) {
    view_.Pan(at.x - dragFrom_->x, at.y - dragFrom_->y);
    dragFrom_ = at;
  }
  cursor_ = at;
}

void ViewerWindow::OnButtonUp() { dragFrom_.reset(); }

void ViewerWindow::OnMouseLeave() { cursor_.reset(); }

void ViewerWindow::OnWheel(int x, int y, int delta) {
  view_.ZoomAt(CentreOfPixel(x, y), std::pow(kZoomPerWheelStep, delta / 120.0));
}

void ViewerWindow::SetComponent(StressComponent component) {
  // Limits typed for one stress mean nothing for another.
  if (component != options_.component) options_.legend.automatic = true;
  options_.component = component;
  UpdateField();
}

void ViewerWindow::SetColourMap(ColourMapKind map) { options_.colourMap = map; }

void ViewerWindow::SetLegend(const LegendSettings& legend) {
  options_.legend = legend;
  UpdateField();
}

void ViewerWindow::SetMeshLines(bool on) { options_.meshLines = on; }

void ViewerWindow::SetDeformedShape(bool on) {
  options_.deformedShape = on;
  UpdateShape();
}

void ViewerWindow::SetUndeformedOutline(bool on) { options_.undeformedOutline = on; }

void ViewerWindow::SetDeformationFactor(double factor) {
  options_.deformationFactor = factor;
  UpdateShape();
}

std::string ViewerWindow::CursorText() const {
  if (!results_ || !cursor_ || cursor_->x >= PlotArea().width) return "";
  const ModelPosition at = view_.ToModel(*cursor_);
  const std::optional<FieldProbe> probe =
      ProbeField(drawn_, results_->mesh.nodes, results_->mesh.elements, field_.values, at);
  if (!probe) return "x " + FormatReal(at.x) + "   y " + FormatReal(at.y);
  return "Element " + std::to_string(probe->element) + "   x " + FormatReal(probe->position.x) +
         "   y " + FormatReal(probe->position.y) + "   " +
         std::string(ComponentName(options_.component)) + " " + FormatReal(probe->value);
}

std::string ViewerWindow::Summary() const {
  if (!results_) return "";
  std::string text = std::to_string(results_->mesh.nodes.size()) + " nodes, " +
                     std::to_string(results_->mesh.elements.size()) + " elements";
  if (Deformed()) {
    text += ", deformed × " + FormatReal(deformationScale_ * options_.deformationFactor);
  } else if (options_.deformedShape && HasDisplacements()) {
    text += ", displacements all zero: undeformed";
  }
  return text;
}

std::vector<PixelPoint> ViewerWindow::ToPixels(const std::vector<ModelPosition>& positions) const {
  std::vector<PixelPoint> pixels;
  pixels.reserve(positions.size());
  for (const ModelPosition& p : positions) pixels.push_back(view_.ToPixel(p));
  return pixels;
}

void ViewerWindow::Paint(Canvas& canvas) {
  const PixelRect plot = PlotArea();
  canvas.FillRect({0, 0, width_, height_}, kBackgroundColour);
  if (!results_) {
    canvas.DrawText(kNoteMargin, kNoteMargin, message_, TextWeight::Normal, kErrorTextColour);
    return;
  }
  PaintPlot(canvas, plot);
  DrawColourBar(canvas, {plot.width, 0, width_ - plot.width, height_},
                {options_.component, field_.extremes, scale_, options_.colourMap,
                 !options_.legend.automatic});
}

void ViewerWindow::PaintPlot(Canvas& canvas, const PixelRect& plot) {
  const std::vector<PixelPoint> pixels = ToPixels(drawn_);
  std::vector<double> coordinates;
  coordinates.reserve(field_.values.size());
  for (const double value : field_.values) coordinates.push_back(scale_.Coordinate(value));
  raster_.Reset(plot.width, plot.height, kBackgroundColour);
  RasteriseBands(pixels, coordinates, results_->mesh.elements,
                 BandColours(scale_, options_.colourMap), raster_);
  canvas.DrawImage(plot.x, plot.y, raster_);

  if (Deformed() && options_.undeformedOutline) {
    DrawEdges(canvas, plot, ToPixels(results_->mesh.nodes), edges_.boundary, kUndeformedOutlinePen);
  }
  if (options_.meshLines && meanEdgeLength_ * view_.Scale() >= kMinMeshLineSpacing) {
    DrawEdges(canvas, plot, pixels, edges_.all, kMeshPen);
  }
  DrawEdges(canvas, plot, pixels, edges_.boundary, kMeshOutlinePen);
  DrawExtremeMarkers(canvas, plot, pixels, field_.extremes);

  const std::string summary = Summary();
  const TextExtent box = BoxedTextExtent(canvas, summary);
  DrawBoxedText(canvas, plot.x + kNoteMargin, plot.y + plot.height - kNoteMargin - box.height,
                summary, kTextColour);
}

}  // namespace ambrel
