#pragma once
// The logic of Ambrel's window: it reads the result files of a folder, keeps
// the last picture that read whole, turns the user's choices, drags and wheel
// steps into the view, and paints the picture: the banded field with its
// overlays on the left, the colour bar on the right. The backend forwards its
// window events here, watches the files and shows the texts.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "band_scale.h"
#include "mesh_edges.h"
#include "nodal_field.h"
#include "picture_canvas.h"
#include "plot_view.h"
#include "result_files.h"
#include "viewer_options.h"

namespace ambrel {

// What the backend does once a change of the files has been handled.
enum class AfterChange { Done, RetrySoon };

// The solver rewrites its files one after another; a change is read this long
// after the last signal, and a file that does not read whole is tried again
// after the retry delay, up to the retry count, before its error is shown.
inline constexpr int kSettleMilliseconds = 200;
inline constexpr int kRetryMilliseconds = 250;
inline constexpr int kMaxRetries = 20;

class ViewerWindow {
 public:
  // `folder` holds the result files; empty for the current directory.
  explicit ViewerWindow(std::filesystem::path folder);

  // Reads the result files now (at start and on Reload): false, with the
  // message, when the contour file cannot be read; the picture shown before
  // then stays.
  bool Load();
  // The watched files have changed: reads them again once the contour file
  // differs from the one shown. A file that does not read whole (the solver
  // may be writing it) never replaces a good picture: the backend asks again
  // shortly, and after the retry count the message says why.
  AfterChange OnFilesChanged();

  // Window events; positions are pixels of the picture.
  void OnSize(int width, int height);
  void OnButtonDown(int x, int y);
  void OnMouseMove(int x, int y);
  void OnButtonUp();
  void OnMouseLeave();
  // Zooms about the cursor, one step per 120 units of the wheel.
  void OnWheel(int x, int y, int delta);
  // Frames the whole mesh, deformed and undeformed.
  void Fit();

  const ViewerOptions& options() const { return options_; }
  // Another component brings back the automatic limits; the band count stays.
  void SetComponent(StressComponent component);
  void SetColourMap(ColourMapKind map);
  // Settings without a LegendSettingsProblem.
  void SetLegend(const LegendSettings& legend);
  void SetMeshLines(bool on);
  void SetDeformedShape(bool on);
  void SetUndeformedOutline(bool on);
  // A positive factor.
  void SetDeformationFactor(double factor);

  bool HasPicture() const { return results_.has_value(); }
  bool HasDisplacements() const;
  // Why the last reading failed, or a problem with the displacements; empty when all is well.
  const std::string& Message() const { return message_; }
  // The model and the field under the cursor, for the status bar.
  std::string CursorText() const;
  // What the picture shows, noted in its corner: counts and the deformation.
  std::string Summary() const;
  const NodalField& field() const { return field_; }
  const BandScale& scale() const { return scale_; }
  const PlotView& view() const { return view_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The part of the picture left of the colour bar.
  PixelRect PlotArea() const;

  void Paint(Canvas& canvas);

 private:
  // Shows results read whole from the contour file of that stamp; false for an error.
  bool TakeIfRead(ReadResult<LoadedResults>& results, const FileStamp& stamp);
  void Take(LoadedResults results);
  void ShowReadError(const ReadError& error);
  void UpdateField();
  void UpdateShape();
  bool Deformed() const;
  void PaintPlot(Canvas& canvas, const PixelRect& plot);
  std::vector<PixelPoint> ToPixels(const std::vector<ModelPosition>& positions) const;

  std::filesystem::path folder_;
  ViewerOptions options_;
  std::optional<LoadedResults> results_;
  MeshEdges edges_;
  double meanEdgeLength_ = 0.0;
  NodalField field_;
  BandScale scale_;
  double deformationScale_ = 0.0;  // Kestrix's, before the user's factor
  std::vector<ModelPosition> drawn_;
  std::string message_;

  FileStamp shownStamp_;
  FileStamp failedStamp_;
  int failures_ = 0;

  PlotView view_;
  int width_ = 0;
  int height_ = 0;
  std::optional<PixelPoint> dragFrom_;
  std::optional<PixelPoint> cursor_;
  PixelImage raster_;
};

}  // namespace ambrel
