#pragma once

namespace kromelik {

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

class Cursor {
 public:
  virtual ~Cursor() = default;

  virtual ScreenPoint Position() const = 0;
};

}  // namespace kromelik
