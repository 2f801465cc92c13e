#pragma once
// The "Shred Options" page: the overwrite algorithm, custom algorithms and the language.
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage1 : public ShredderPage {
public:
    explicit CMyPropertyPage1(CShredderApp& app);
};

}  // namespace shredder
