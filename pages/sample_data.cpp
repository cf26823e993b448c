#include "pages/sample_data.h"

#include <cstring>

#include "engine/angle_units.h"
#include "pages/page_transfer.h"

namespace vc {

const char* const kSampleDataCaption = "Sample Data";
const char* const kSampleDataQuestion =
    "To take a quick look at the program, you can request that the various forms be filled in with "
    "some sample data automatically.  Pressing the 'Yes' key below will do this.  You may then "
    "review the data by clicking the various tabs, and then analyze the data by pressing the "
    "'Analyze' button on the bottom of the page.\n"
    "\n"
    "The data is for an AS4/3506-1 Carbon/Epoxy symmetric 8-ply laminate, with a ply thickness of "
    "0.005 inches.\n"
    "\n"
    "Stacking sequence:\n"
    "\t[0/45/-45/90/90/-45/45/0]\n"
    "Material properties:\n"
    "\tE1   = 20.6E+06 psi      \t E2   = 1.50E+06 psi \n"
    "\tv12  = 0.27  \t          \t G12  = 1.04E+06 psi \n"
    "\tCTE1 = -0.5E-06 in/in/F  \t CTE2 = 15.0E-06 in/in/F\n"
    "\tCME1 = 0.01 in/in  \t     \t CME2 = 0.20 in/in\n"
    "Material strengths:\n"
    "\tXt   = 330,000 psi  \t   \t Xc   = -209,000 psi\n"
    "\tYt   = 8300 psi  \t      \t Yc   = -33,000 psi\n"
    "\tS    = 10,300 psi\n"
    "Load vector:\n"
    "\tNx   = 1000 lb/in   \t   \t Mx   = 10 in-lb/in\n"
    "\tNy = Nxy = My = Mxy = 0.0\n"
    "\n"
    "Would you like for the program to fill in the forms with this sample data?";

bool askForSampleData(MessageSink& messages) {
  return messages.ask(kSampleDataCaption, kSampleDataQuestion, QuestionButtons::YesNo) ==
         Answer::Yes;
}

void showSampleData(InputPages& pages, LaminateData& data) {
  // AS4/3506-1 carbon/epoxy in psi, in/in/F and in/in.
  data.numMaterials = 1;
  data.numLayers = 8;
  data.loadKind = 1;
  data.E1[1] = 20.6e6;
  data.E2[1] = 1.5e6;
  data.G12[1] = 1.04e6;
  data.v12[1] = 0.27;
  data.CTE1[1] = -0.5e-6;
  data.CTE2[1] = 15e-6;
  data.CME1[1] = 0.01;
  data.CME2[1] = 0.2;
  data.Xt[1] = 330000.0;
  data.Xc[1] = -209000.0;
  data.Yt[1] = 8300.0;
  data.Yc[1] = -33000.0;
  data.S[1] = 10300.0;
  data.e1t[1] = data.Xt[1] / data.E1[1];
  data.e1c[1] = data.Xc[1] / data.E1[1];
  data.e2t[1] = data.Yt[1] / data.E2[1];
  data.e2c[1] = data.Yc[1] / data.E2[1];
  data.g12u[1] = data.S[1] / data.G12[1];
  std::memset(data.description[1], 0, kDescriptionSize);
  std::strcpy(data.description[1], "AS4/3506-1 Carbon/Epoxy");

  const double degrees[] = {0.0, 45.0, -45.0, 90.0, 90.0, -45.0, 45.0, 0.0};
  for (int k = 1; k <= 8; ++k) {
    data.MatID[k] = 1;
    data.thickness[k] = 0.005;
    data.angle[k] = radiansFromDegrees(degrees[k - 1]);
  }
  data.totalThickness = 0.04;

  const double load[] = {1000.0, 0.0, 0.0, 10.0, 0.0, 0.0};  // NX and MX
  for (int i = 1; i <= 6; ++i) data.mechLoad[i] = load[i - 1];
  data.deltaT = 0.0;
  data.moistureGain = 0.0;

  data.showApparent = true;
  data.showABD = true;
  data.showLayerMatrices = true;
  data.showLoadVectors = true;
  data.showPlyStresses = true;
  data.showFailure = true;

  // All seven boxes, the double-double one among them, so that the next
  // run's page copy asks for every section of the report.
  SettingsPage& settings = pages.settings;
  for (CheckBox* box :
       {&settings.showApparentProperties, &settings.showAbdMatrices, &settings.showLayerMatrices,
        &settings.calculateDoubleDouble, &settings.showLoadVectors, &settings.showPlyStresses,
        &settings.showPlyFailure}) {
    box->checked = true;
  }

  showDataOnPages(data, pages);
}

}  // namespace vc
