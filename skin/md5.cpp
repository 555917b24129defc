#include "skin/md5.h"

#include <windows.h>

#include <wincrypt.h>

#include <algorithm>

namespace velorin {

std::optional<md5_digest> md5_of(std::string_view bytes) {
    HCRYPTPROV provider = 0;
    if (!CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) {
        return std::nullopt;
    }
    std::optional<md5_digest> result;
    HCRYPTHASH hash = 0;
    if (CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) {
        bool hashed = true;
        // CryptHashData takes a 32-bit length: feed large inputs in pieces.
        constexpr std::size_t piece = 1 << 20;
        for (std::size_t at = 0; hashed && at < bytes.size(); at += piece) {
            const std::size_t count = std::min(piece, bytes.size() - at);
            hashed = CryptHashData(hash, reinterpret_cast<const BYTE*>(bytes.data() + at),
                                   static_cast<DWORD>(count), 0);
        }
        md5_digest digest{};
        DWORD length = static_cast<DWORD>(digest.size());
        if (hashed && CryptGetHashParam(hash, HP_HASHVAL, digest.data(), &length, 0) &&
            length == digest.size()) {
            result = digest;
        }
        CryptDestroyHash(hash);
    }
    CryptReleaseContext(provider, 0);
    return result;
}

}  // namespace velorin
