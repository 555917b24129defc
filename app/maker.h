// The maker's own values: the chat group shown in titles and texts, and the
// addresses of the maker's web site.
#pragma once

// The maker's community chat group, as a literal so that texts can be put
// together at compile time.
#define MAKER_CHAT_GROUP "61580329"

// The base address of the maker's web site, without a final slash; the build
// sets it (the CMake cache variable MAKER_SITE).
#ifndef MAKER_SITE
#error "MAKER_SITE must name the maker's web site"
#endif

// The page that invites visitors to join the chat group.
#define MAKER_GROUP_LINK MAKER_SITE "/join-group.html"
