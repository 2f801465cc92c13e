#pragma once
// The About box: its texts in the user's language and the program file's
// version values in the controls that name them.
#include "platform/ui/dialog.h"
#include "tuning/tuning_context.h"

namespace tuning {

class CAboutDlg : public ui::Dialog {
public:
    explicit CAboutDlg(TuningContext& context);

protected:
    bool OnInitDialog() override;

private:
    TuningContext& context_;
};

}  // namespace tuning
