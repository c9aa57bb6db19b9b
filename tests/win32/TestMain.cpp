#include <windows.h>

#include <cstdio>

#include <gtest/gtest.h>

#include "win32/Handles.h"
#include "win32/IconHelper.h"

int main(int argc, char** argv) {
  // The picture caches fetch icons through a helper started as this program is.
  if (kromelik::StartedAsIconHelper()) return kromelik::RunIconHelper();
  // The program reads shell links in a single-threaded apartment; so do the tests.
  const kromelik::ComApartment com(COINIT_APARTMENTTHREADED);
  if (!com.Usable()) {
    std::fprintf(stderr, "COM could not be initialised: 0x%08lx\n",
                 static_cast<unsigned long>(com.Result()));
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
