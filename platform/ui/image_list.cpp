#include "platform/ui/image_list.h"

#include "platform/ui/gdi.h"

namespace ui {

bool ImageList::Create(int width, int height, UINT flags, int initial, int grow) {
    Reset();
    list_ = ImageList_Create(width, height, flags, initial, grow);
    width_ = width;
    height_ = height;
    return list_ != nullptr;
}

void ImageList::Reset() {
    if (list_) ImageList_Destroy(list_);
    list_ = nullptr;
}

int ImageList::AddBitmapFile(const std::string& path, COLORREF mask) {
    if (!list_) return -1;
    Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, width_, height_, LR_LOADFROMFILE)));
    if (!bitmap) return -1;
    return ImageList_AddMasked(list_, bitmap.Get(), mask);
}

}  // namespace ui
