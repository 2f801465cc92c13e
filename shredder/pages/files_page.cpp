#include "shredder/pages/files_page.h"

#include "shredder/res/files_page_res.h"

namespace shredder {

CMyPropertyPage2::CMyPropertyPage2(CShredderApp& app) : ShredderPage(IDD_FILES_PAGE, app) {}

}  // namespace shredder
