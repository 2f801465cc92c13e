#pragma once
// The "Shred Files" page: files gathered, shredded now or scheduled.
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage2 : public ShredderPage {
public:
    explicit CMyPropertyPage2(CShredderApp& app);
};

}  // namespace shredder
