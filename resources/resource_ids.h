// Identifiers of the program's resources, shared by the C++ sources and the
// resource script; plain #defines, the only constants the resource compiler
// understands.
#ifndef VELORIN_RESOURCE_IDS_H
#define VELORIN_RESOURCE_IDS_H

// The application icon: the first icon resource, so Explorer shows it for
// the .exe.
#define VELORIN_ICON_APP 1

// The skin engine library's file and the skin, as raw data.
#define VELORIN_SKIN_LIBRARY 201
#define VELORIN_SKIN_DATA 202

// The support page's donation pictures: PNG files kept as raw data.
#define VELORIN_PICTURE_WECHAT 101
#define VELORIN_PICTURE_ALIPAY 102

#endif
