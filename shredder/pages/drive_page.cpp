#include "shredder/pages/drive_page.h"

#include "shredder/res/drive_page_res.h"

namespace shredder {

CMyPropertyPage4::CMyPropertyPage4(CShredderApp& app) : ShredderPage(IDD_DRIVE_PAGE, app) {}

}  // namespace shredder
