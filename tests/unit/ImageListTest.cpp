#include "menus/ImageList.h"

#include <vector>

#include <gtest/gtest.h>

namespace kromelik {
namespace {

TEST(ImageListTest, ReleasesEachRunTimeIconOnceWhenDroppedOrWhenTheListGoes) {
  std::vector<IconHandle> released;
  {
    ImageList images("owned", [&released](IconHandle icon) { released.push_back(icon); });
    images.Add(StockIcon::Folder);
    images.Add(IconHandle{5});
    images.Add(IconHandle{0});  // no icon to give back
    images.Add(FileIconPicture{"calc.exe"});
    images.Add(IconHandle{7});

    images.Truncate(3);
    EXPECT_EQ(released, std::vector<IconHandle>{7});
  }
  EXPECT_EQ(released, (std::vector<IconHandle>{7, 5}));
}

}  // namespace
}  // namespace kromelik
