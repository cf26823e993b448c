#include "forms/micromechanics_page.h"

namespace vc::forms {

MicromechanicsPage::MicromechanicsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabForm8"));
}

}  // namespace vc::forms
