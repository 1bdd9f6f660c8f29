// SPDX-License-Identifier: MIT
#include "hbQuorTls.h"

#include "hbQuorApi.h"

namespace hbquor {

int ApplyTlsSettings(const TQuorTlsSettings &settings) {
    if (!settings.Enabled)
        return quor_settls(QUOR_TLS_OFF, nullptr) == 0 ? kResultOk : quor_getlasterror();
    return quor_settls(QUOR_TLS_ON, settings.CaFile.c_str()) == 0 ? kResultOk : quor_getlasterror();
}

} // namespace hbquor
