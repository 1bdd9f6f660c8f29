// SPDX-License-Identifier: MIT
// The export that chooses plain or TLS connections for later connect
// requests.
#include "library.h"
#include "tls_context.h"

#include "quor.h"

using namespace quor;

extern "C" QUOR_API int quor_settls(int mode, const char *ca_file) {
    Library &lib = Lib();
    if (mode == QUOR_TLS_OFF) {
        lib.tlsMode = mode;
        lib.tlsCaFile.clear();
        lib.tls.reset(); // connections that use it keep it alive
        return Succeed();
    }
    if (mode != QUOR_TLS_ON) {
        return Fail(QUOR_ERR_TLS_SETUP);
    }
    // Made now, so that a CA file that cannot be read is reported here and
    // not by every later connect.
    auto context = TlsContext::Create(OrEmpty(ca_file));
    if (context == nullptr) {
        return Fail(QUOR_ERR_TLS_SETUP);
    }
    lib.tlsMode = mode;
    lib.tlsCaFile = OrEmpty(ca_file);
    lib.tls = std::move(context);
    return Succeed();
}
