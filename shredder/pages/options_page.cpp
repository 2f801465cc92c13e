#include "shredder/pages/options_page.h"

#include "shredder/res/options_page_res.h"

namespace shredder {

CMyPropertyPage1::CMyPropertyPage1(CShredderApp& app) : ShredderPage(IDD_OPTIONS_PAGE, app) {}

}  // namespace shredder
