// The maker's own values, shown in the window title, the explanation texts
// and the update message.
#pragma once

// The maker's community chat group, as a literal so that texts can be put
// together at compile time.
#define MAKER_CHAT_GROUP "61580329"
