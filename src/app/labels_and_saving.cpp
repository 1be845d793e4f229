// Text labels, the font of a document's labels, and saving the picture.
#include "app/main_form.h"

void TMainForm::SpeedButton7Click() {}
void TMainForm::N18Click() {}
void TMainForm::N16Click() {}
void TMainForm::FileSaveAsItemClick() {}
