#pragma once

#include <string>
#include <string_view>

#include "core/ports/TextServices.h"

namespace kromelik {

class Win32TextServices : public TextServices {
 public:
  std::string Upper(std::string_view text) const override;
  std::string Lower(std::string_view text) const override;
  int Compare(std::string_view a, std::string_view b) const override;
  int CompareIgnoringCase(std::string_view a, std::string_view b) const override;
};

}  // namespace kromelik
