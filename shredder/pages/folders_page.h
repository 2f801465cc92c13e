#pragma once
// The "Shred Folders" page: folders gathered, shredded now or scheduled.
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage3 : public ShredderPage {
public:
    explicit CMyPropertyPage3(CShredderApp& app);
};

}  // namespace shredder
