#include "dialogs/dialogs.h"

#include "app/main_form.h"
#include "dialogs/field_size_dialog.h"

TDialogs createDialogs(TMainForm* mainForm) {
    TDialogs d;
    d.OKBottomDlg7 = new TOKBottomDlg7(mainForm);
    return d;
}
