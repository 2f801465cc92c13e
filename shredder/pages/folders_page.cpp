#include "shredder/pages/folders_page.h"

#include "shredder/res/folders_page_res.h"

namespace shredder {

CMyPropertyPage3::CMyPropertyPage3(CShredderApp& app) : ShredderPage(IDD_FOLDERS_PAGE, app) {}

}  // namespace shredder
