// kestload --mass-props: the load of a CAD file or mass-property report in the
// flange frame, without a window.
//
//   kestload --mass-props FILE [--mass KG | --density KG_PER_M3] [--unit mm|cm|m|in|ft]
//            [--mass-unit g|kg|lb|t] [--frame "X Y Z RX RY RZ"] [--conservative] [--json]
#pragma once

#include <QStringList>

// Whether the arguments ask for --mass-props.
bool IsMassPropsRequest(const QStringList& args);

// Runs it and returns the exit status: 0 the load was computed, 2 a usage
// error, a file that cannot be read or measured, or a unit that is not known.
int RunMassProps(const QStringList& args);
