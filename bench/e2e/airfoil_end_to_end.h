// End-to-end benchmarks of the Joukowski airfoil on the real main window: a
// new airfoil's streamlines and lines of equal potential, from the clicks to
// the repainted picture, and a change of the angle of attack in its dialog
// (both families of lines drawn again) to the repainted picture.
#pragma once

class TMainForm;

namespace bench {

// The window must outlive the benchmark run.
void registerAirfoilEndToEnd(TMainForm& form);

}  // namespace bench
