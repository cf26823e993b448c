// How the input pages react at once to a few controls: the material count,
// the layer count and symmetric option, and the load check boxes and
// buttons. Messages go through the message sink.
#pragma once

#include "engine/messages.h"
#include "pages/input_pages.h"

namespace vc {

// Selection in the Materials page's count list (materialCount already holds the
// chosen text).
void onMaterialCountSelected(MaterialsPage& page, MessageSink& messages);

// The Layup page's count box losing the keyboard focus, and a click on its
// symmetric box (symmetric already holds the new state).
void onLayerCountChanged(LayupPage& page, MessageSink& messages);

// Clicks on the Loads page's check boxes and option buttons (the control
// already holds its new state).
void onMechanicalLoadClicked(LoadsPage& page);
void onForcesMomentsClicked(LoadsPage& page);
void onStrainsCurvaturesClicked(LoadsPage& page);
void onTemperatureLoadClicked(LoadsPage& page);
void onMoistureLoadClicked(LoadsPage& page);

}  // namespace vc
