// The two construction commands: streamlines and lines of equal potential.
#include "app/main_form.h"

void TMainForm::SpeedButton1Click() {}
void TMainForm::SpeedButton17Click() {}
