#pragma once

#include "params/app_settings.h"
#include "params/param.h"

namespace slyders {

// The table of the 23 settings: object "Settings", groups "General", "Basic events",
// "Events" and "Disasters". The property order is the order of the settings file.
extern const PropertyDescriptor kSettingsTable[];

// The parameter object through which the settings window and the settings file reach the
// fields of a settings record. Cheap to make; it refers to the record, which must outlive it.
Param settingsParam(TInterface& settings);

}  // namespace slyders
