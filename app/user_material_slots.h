// Renumbering the user material records UserMat1..UserMat30 of the settings
// store without gaps (start-up), moving each record's text unchanged and
// writing only when something moves.
#pragma once

namespace vc {

void renumberUserMaterials();

}  // namespace vc
