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
    m_pen = pen;
    Record(CanvasOp::SetPen);
  }

  void SetRasterMode(RasterMode mode) override {
    m_rasterMode = mode;
    Record(CanvasOp::SetRasterMode);
  }

  RasterMode GetRasterMode() const override { return m_rasterMode; }

  void DrawLine(int x1, int y1, int x2, int y2) override {
    RecordBox(CanvasOp::DrawLine, x1, y1, x2, y2);
  }

  void DrawEllipse(int left, int top, int right, int bottom) override {
    RecordBox(CanvasOp::DrawEllipse, left, top, right, bottom);
  }

  void SetFont(const Font& font) override {
    m_font = font;
    Record(CanvasOp::SetFont);
  }

  void SetTextColour(Rgb colour) override {
    m_textColour = colour;
    CanvasCall& call = Record(CanvasOp::SetTextColour);
    call.colour = colour;
  }

  void DrawText(int x, int y, const std::string& text) override {
    CanvasCall& call = RecordBox(CanvasOp::DrawText, x, y, 0, 0);
    call.text = text;
  }

  const std::vector<CanvasCall>& Calls() const { return m_calls; }

  // The recorded calls of one kind, in call order.
  std::vector<CanvasCall> CallsOf(CanvasOp op) const {
    std::vector<CanvasCall> matching;
    for (const CanvasCall& call : m_calls) {
      if (call.op == op) matching.push_back(call);
    }
    return matching;
  }

  std::vector<CanvasCall> Lines() const { return CallsOf(CanvasOp::DrawLine); }
  std::vector<CanvasCall> Texts() const { return CallsOf(CanvasOp::DrawText); }

  // Forgets the recorded calls but keeps the drawing state.
  void ClearCalls() { m_calls.clear(); }

 private:
  CanvasCall& Record(CanvasOp op) {
    CanvasCall call;
    call.op = op;
    call.pen = m_pen;
    call.rasterMode = m_rasterMode;
    call.font = m_font;
    call.textColour = m_textColour;
    m_calls.push_back(call);
    return m_calls.back();
  }

  CanvasCall& RecordBox(CanvasOp op, int x1, int y1, int x2, int y2) {
    CanvasCall& call = Record(op);
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    return call;
  }

  Pen m_pen;
  RasterMode m_rasterMode = RasterMode::Copy;
  Font m_font;
  Rgb m_textColour;
  std::vector<CanvasCall> m_calls;
};

}  // namespace kestrix
