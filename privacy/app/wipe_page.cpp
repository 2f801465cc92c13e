#include "privacy/app/wipe_page.h"

#include "privacy/app/res/wipe_page_res.h"

namespace privacy {

CWipePage::CWipePage(SiteList& sites) : Dialog(IDD_WIPE_PAGE), sites_(sites) {}

}  // namespace privacy
