// The window's grid searches: documents by stipulant, and the two outside the window.
#include "health/Form5.h"

namespace vorna::health {

void Form5::Command3D23_Click() {}
void Form5::MSFlexGrid1_Click() {}
void Form5::Command3D15_Click() {}
void Form5::Command3D22_Click() {}

}  // namespace vorna::health
