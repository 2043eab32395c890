#pragma once
// Asking the window to paint its client area again at the next opportunity.

namespace kestrix {

class RepaintRequests {
 public:
  virtual ~RepaintRequests() = default;
  // The client area is repainted over the picture that is there.
  virtual void Repaint() = 0;
  // The whole window is erased to its background first.
  virtual void FullRepaint() = 0;
};

}  // namespace kestrix
