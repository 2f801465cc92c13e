#pragma once
// The "Shred Recycle Bin" page: the Recycle Bin of every local hard drive.
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage5 : public ShredderPage {
public:
    explicit CMyPropertyPage5(CShredderApp& app);
};

}  // namespace shredder
