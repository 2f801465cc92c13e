#pragma once
// Owner of one image list: destroyed with its owner.
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace ui {

class ImageList {
public:
    ImageList() = default;
    ~ImageList() { Reset(); }
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    // flags: ILC_COLOR8 | ILC_MASK and the like.
    bool Create(int width, int height, UINT flags, int initial, int grow);
    void Reset();
    HIMAGELIST Handle() const { return list_; }
    int GetImageCount() const { return list_ ? ImageList_GetImageCount(list_) : 0; }

    // A bitmap file loaded at the list's image size; pixels of the mask
    // colour become transparent. Index of the image, or -1.
    int AddBitmapFile(const std::string& path, COLORREF mask);

private:
    HIMAGELIST list_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace ui
