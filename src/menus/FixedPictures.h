#pragma once

namespace kromelik {

class ToolbarMenus;

// Fills the image lists with their fixed pictures: ImageListPM's 77, il_IkonyBrenvald's
// 6 and il_SzybkieUr's one; il_Dokumenty1 starts empty.
void AddFixedPictures(ToolbarMenus& menus);

}  // namespace kromelik
