#include "load_symbols.h"

#include <cmath>

namespace kestrix {
namespace {

constexpr Rgb kConstraintColour{255, 255, 0};
constexpr Rgb kConstraintColourOnWhite{176, 136, 0};
constexpr Rgb kForceColour{255, 0, 0};
constexpr Rgb kDistributedLoadColour{255, 0, 1};
constexpr Rgb kReactionColour{0, 255, 255};
constexpr double kArrowheadHalfAngle = 11.0;

// Arrowheads are 3 % of the client height long on screen, whatever the zoom.
double ArrowheadLength(const ViewTransform& view) {
  return kArrowheadShare * view.height() / view.scale();
}

ModelPosition Offset(ModelPosition p, double length, double dx, double dy) {
  return {p.x + length * dx, p.y + length * dy};
}

// Two narrow triangles with their tips at P, their sides `degrees` off the
// horizontal: on the left and right of P for a fixed x, below and above it
// for a fixed y.
void DrawBowTie(const ModelPlotter& plotter, ScreenPoint p, double degrees, bool fixedX) {
  const int c = static_cast<int>(kConstraintSymbolLength * std::cos(Degrees(degrees)));
  const int s = static_cast<int>(kConstraintSymbolLength * std::sin(Degrees(degrees)));
  const ScreenPoint corners[] = {
      p,
      {p.x + c, p.y + s},
      fixedX ? ScreenPoint{p.x + c, p.y - s} : ScreenPoint{p.x - c, p.y + s},
      fixedX ? ScreenPoint{p.x - c, p.y + s} : ScreenPoint{p.x + c, p.y - s},
      {p.x - c, p.y - s},
      p,
  };
  for (std::size_t k = 0; k + 1 < std::size(corners); ++k) {
    plotter.PixelLine(corners[k], corners[k + 1]);
  }
}

// The head of a distributed-load ordinate at `end`, pointing at the edge.
void DrawLoadArrowhead(const ModelPlotter& plotter, ModelPosition end, double theta, double q) {
  if (q == 0.0) return;
  const double h = ArrowheadLength(plotter.view());
  const double side = q < 0.0 ? -h : h;
  const double lower = theta - Degrees(kArrowheadHalfAngle);
  const double upper = theta + Degrees(kArrowheadHalfAngle);
  const ModelPosition r = Offset(end, side, std::sin(lower), -std::cos(lower));
  const ModelPosition s = Offset(end, side, std::sin(upper), -std::cos(upper));
  plotter.Line(r, end);
  plotter.Line(s, end);
  plotter.Line(s, r);
}

// An arrow from `tail` along (fx, fy), scale × |(fx, fy)| long, with its head.
void DrawArrow(const ModelPlotter& plotter, ModelPosition tail, double fx, double fy, double scale) {
  const double theta = DirectionAngle(fx, fy);
  const ModelPosition tip = ArrowTip(tail, fx, fy, scale);
  const double h = ArrowheadLength(plotter.view());
  const double lower = theta - Degrees(kArrowheadHalfAngle);
  const double upper = theta + Degrees(kArrowheadHalfAngle);
  const ModelPosition h1 = Offset(tip, -h, std::cos(lower), std::sin(lower));
  const ModelPosition h2 = Offset(tip, -h, std::cos(upper), std::sin(upper));
  plotter.Line(tail, tip);
  plotter.Line(tip, h1);
  plotter.Line(tip, h2);
  plotter.Line(h1, h2);
}

}  // namespace

ModelPosition ArrowTip(ModelPosition tail, double fx, double fy, double scale) {
  const double theta = DirectionAngle(fx, fy);
  const double length = scale * std::sqrt(fx * fx + fy * fy);
  return Offset(tail, length, std::cos(theta), std::sin(theta));
}

ModelPosition NodalForceTip(const NodalForce& force, double scale) {
  return ArrowTip(force.point.position(), force.Fx, force.Fy, scale);
}

LoadLine DistributedLoadLine(const DistributedLoad& load, double scale) {
  const ModelPosition i = load.endI.position();
  const ModelPosition j = load.endJ.position();
  const double theta = DirectionAngle(j.x - i.x, j.y - i.y);
  const double nx = std::sin(theta);
  const double ny = -std::cos(theta);
  return {Offset(i, scale * load.qi, nx, ny), Offset(j, scale * load.qj, nx, ny)};
}

void DrawConstraint(const ModelPlotter& plotter, const Constraint& constraint,
                    bool whiteBackground) {
  plotter.UsePen(whiteBackground ? kConstraintColourOnWhite : kConstraintColour, 1);
  const ScreenPoint p = plotter.Pixel(constraint.point.position());
  if (constraint.UX != 0) DrawBowTie(plotter, p, 15.0, true);
  if (constraint.UY != 0) DrawBowTie(plotter, p, 75.0, false);
}

void DrawNodalForce(const ModelPlotter& plotter, const NodalForce& force, double scale) {
  if (force.Fx == 0.0 && force.Fy == 0.0) return;
  plotter.UsePen(kForceColour, force.selected ? 2 : 1);
  DrawArrow(plotter, force.point.position(), force.Fx, force.Fy, scale);
}

void DrawReaction(const ModelPlotter& plotter, ModelPosition node, const NodeReaction& reaction,
                  double scale) {
  if (reaction.RX == 0.0 && reaction.RY == 0.0) return;
  plotter.UsePen(kReactionColour, 2);
  DrawArrow(plotter, node, reaction.RX, reaction.RY, scale);
}

void DrawDistributedLoad(const ModelPlotter& plotter, const DistributedLoad& load, double scale) {
  plotter.UsePen(kDistributedLoadColour, 1);
  const ModelPosition i = load.endI.position();
  const ModelPosition j = load.endJ.position();
  const double theta = DirectionAngle(j.x - i.x, j.y - i.y);
  const LoadLine line = DistributedLoadLine(load, scale);
  plotter.Line(line.atI, line.atJ);
  plotter.Line(line.atI, i);
  plotter.Line(line.atJ, j);
  DrawLoadArrowhead(plotter, j, theta, load.qj);
  DrawLoadArrowhead(plotter, i, theta, load.qi);
}

}  // namespace kestrix
