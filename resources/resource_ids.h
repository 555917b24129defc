// Identifiers of the program's resources, shared by the C++ sources and the
// resource script; plain #defines, the only constants the resource compiler
// understands.
#ifndef VELORIN_RESOURCE_IDS_H
#define VELORIN_RESOURCE_IDS_H

// The application icon: the first icon resource, so Explorer shows it for
// the .exe.
#define VELORIN_ICON_APP 1

#endif
