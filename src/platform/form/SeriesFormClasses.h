#pragma once

#include "platform/form/TFormReader.h"

// Adds the series classes to a form's classes; they must be placed in a form object that holds series.
void AddSeriesFormClasses(TFormClassTable& classes);
