#pragma once

namespace kromelik {

// Timer1: the slide (100 ms); Timer2: the button watch (10 ms).
enum class ToolbarTimer { Slide, ButtonWatch };

class ToolbarTimers {
 public:
  virtual ~ToolbarTimers() = default;

  virtual void SetEnabled(ToolbarTimer timer, bool enabled) = 0;
};

}  // namespace kromelik
