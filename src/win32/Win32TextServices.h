#pragma once

#include <string>
#include <string_view>

#include "core/ports/TextServices.h"

namespace kromelik {

class Win32TextServices : public TextServices {
 public:
  // The code page that FromAnsiCodePage reads; the system's own unless a test asks for
  // a particular one.
  explicit Win32TextServices(unsigned int ansiCodePage = 0) : ansiCodePage_(ansiCodePage) {}

  std::string Upper(std::string_view text) const override;
  std::string Lower(std::string_view text) const override;
  int Compare(std::string_view a, std::string_view b) const override;
  int CompareIgnoringCase(std::string_view a, std::string_view b) const override;
  std::string FromAnsiCodePage(std::string_view bytes) const override;

 private:
  unsigned int ansiCodePage_;
};

}  // namespace kromelik
