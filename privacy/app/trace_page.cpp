#include "privacy/app/trace_page.h"

#include "privacy/app/res/trace_page_res.h"

namespace privacy {

CTracePage::CTracePage() : Dialog(IDD_TRACE_PAGE) {}

}  // namespace privacy
