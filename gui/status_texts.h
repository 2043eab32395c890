#pragma once
// What the main window's status bar says, in words: the mode with what the
// next click does, the model position under the cursor, how much the model
// holds, what is selected and, when the deformed mesh is drawn, its scale.
// The backend only shows these texts.

#include <optional>
#include <string>

#include "display_options.h"
#include "interaction.h"
#include "model.h"

namespace kestrix {

struct StatusTexts {
  // What the next left click does in the current mode and gesture step.
  std::string mode;
  // Empty before the cursor has been over the drawing.
  std::string cursor;
  std::string counts;
  std::string selection;
  // Empty unless the deformed mesh is drawn.
  std::string deformation;
};

// "x = 1.5, y = -0.25".
std::string CursorText(ModelPosition position);

StatusTexts DescribeStatus(const Interaction& interaction, const Model& model,
                           const DisplayOptions& display,
                           std::optional<ModelPosition> cursor);

}  // namespace kestrix
