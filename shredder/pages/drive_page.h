#pragma once
// The "Shred Drive" page: a fixed drive's free space or the whole drive.
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage4 : public ShredderPage {
public:
    explicit CMyPropertyPage4(CShredderApp& app);
};

}  // namespace shredder
