#pragma once
// A canvas for tests: it draws nothing and records every call with its
// arguments, together with the drawing state (pen, raster mode, font, text
// colour) in force once the call is done, so a recorded line or text also says
// how it was drawn.

#include <string>
#include <vector>

#include "canvas.h"

namespace kestrix {

enum class CanvasOp {
  FillBackground,
  SetPen,
  SetRasterMode,
  DrawLine,
  DrawEllipse,
  SetFont,
  SetTextColour,
  DrawText,
};

struct CanvasCall {
  CanvasOp op = CanvasOp::FillBackground;
  // DrawLine: the two ends; DrawEllipse: the box; DrawText: the position in x1, y1.
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  // FillBackground and SetTextColour: the colour passed.
  Rgb colour;
  // DrawText: the text passed.
  std::string text;
  // The state after the call.
  Pen pen;
  RasterMode rasterMode = RasterMode::Copy;
  Font font;
  Rgb textColour;
};

class RecordingCanvas : public Canvas {
 public:
  void FillBackground(Rgb colour) override {
    CanvasCall& call = Record(CanvasOp::FillBackground);
    call.colour = colour;
  }

  void SetPen(const Pen& pen) override {
    pen_ = pen;
    Record(CanvasOp::SetPen);
  }

  void SetRasterMode(RasterMode mode) override {
    rasterMode_ = mode;
    Record(CanvasOp::SetRasterMode);
  }

  RasterMode GetRasterMode() const override { return rasterMode_; }

  void DrawLine(int x1, int y1, int x2, int y2) override {
    RecordBox(CanvasOp::DrawLine, x1, y1, x2, y2);
  }

  void DrawEllipse(int left, int top, int right, int bottom) override {
    RecordBox(CanvasOp::DrawEllipse, left, top, right, bottom);
  }

  void SetFont(const Font& font) override {
    font_ = font;
    Record(CanvasOp::SetFont);
  }

  void SetTextColour(Rgb colour) override {
    textColour_ = colour;
    CanvasCall& call = Record(CanvasOp::SetTextColour);
    call.colour = colour;
  }

  void DrawText(int x, int y, const std::string& text) override {
    CanvasCall& call = RecordBox(CanvasOp::DrawText, x, y, 0, 0);
    call.text = text;
  }

  const std::vector<CanvasCall>& Calls() const { return calls_; }

  // The recorded calls of one kind, in call order.
  std::vector<CanvasCall> CallsOf(CanvasOp op) const {
    std::vector<CanvasCall> matching;
    for (const CanvasCall& call : calls_) {
      if (call.op == op) matching.push_back(call);
    }
    return matching;
  }

  std::vector<CanvasCall> Lines() const { return CallsOf(CanvasOp::DrawLine); }
  std::vector<CanvasCall> Texts() const { return CallsOf(CanvasOp::DrawText); }

  // Forgets the recorded calls but keeps the drawing state.
  void ClearCalls() { calls_.clear(); }

 private:
  CanvasCall& Record(CanvasOp op) {
    CanvasCall call;
    call.op = op;
    call.pen = pen_;
    call.rasterMode = rasterMode_;
    call.font = font_;
    call.textColour = textColour_;
    calls_.push_back(call);
    return calls_.back();
  }

  CanvasCall& RecordBox(CanvasOp op, int x1, int y1, int x2, int y2) {
    CanvasCall& call = Record(op);
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    return call;
  }

  Pen pen_;
  RasterMode rasterMode_ = RasterMode::Copy;
  Font font_;
  Rgb textColour_;
  std::vector<CanvasCall> calls_;
};

}  // namespace kestrix
