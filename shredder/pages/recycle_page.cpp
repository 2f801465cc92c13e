#include "shredder/pages/recycle_page.h"

#include "shredder/res/recycle_page_res.h"

namespace shredder {

CMyPropertyPage5::CMyPropertyPage5(CShredderApp& app) : ShredderPage(IDD_RECYCLE_PAGE, app) {}

}  // namespace shredder
