// SPDX-License-Identifier: MIT
#include "hbQuorErrors.h"

#include "hbQuorApi.h"

#include <array>
#include <utility>

namespace hbquor {

namespace {

// Texts of the socket errors a failed connection can report in place of a
// library code.
constexpr std::array<std::pair<int, const char *>, 29> kSocketErrorTexts{{
    {10004, "Interrupted Function Call - A blocking operation was cancelled"},
    {10013, "Permission Denied - An attempt to access a socket was forbidden by its access "
            "permissions"},
    {10014, "The requested address is a broadcast address, but flag is not set, or An invalid "
            "pointer address was specified in a function call."},
    {10022, "An obscure Winsock error message: An invalid argument was passed to a function. Is "
            "your DHCP server unreacheable (cable not connected, wrong ipconfig settings)?"},
    {10024, "There are too many open sockets."},
    {10035, "Socket is non-blocking and the specified operation will block"},
    {10036, "A blocking Winsock operation in progress"},
    {10037, "The operation is completed. No blocking operation in progress"},
    {10038, "The descriptor is not a socket"},
    {10040, "The datagram is too large to fit into the buffer and therefore is truncated"},
    {10043, "The specified port is not supported"},
    {10048, "Address in use"},
    {10049, "Address unavailable from the local computer"},
    {10050, "Network subsystem failed"},
    {10051, "The network cannot be reached from this host at this time"},
    {10052, "Connection has timed out"},
    {10053, "Connection aborts due to timeout or other failure"},
    {10054, "The connection is reset by the remote device"},
    {10055, "Buffer space is unavailable"},
    {10056, "Socket is already connected"},
    {10057, "Socket is not connected"},
    {10058, "Socket has been shut down"},
    {10060, "Socket has been shut down"},
    {10061, "Connection is forcefully rejected"},
    {10093, "WinsockInit should be called first"},
    {11001, "Authoritative answer - host not found"},
    {11002, "Non-authoritative answer - host not found"},
    {11003, "Non-recoverable errors"},
    {11004, "Valid name; no data record of requested type"},
}};

} // namespace

std::string ErrorText(int code) {
    if (code == 0)
        return {};
    if (code >= -10000 && code <= -1)
        return "internal error";
    for (const auto &[socketCode, text] : kSocketErrorTexts) {
        if (socketCode == code)
            return text;
    }
    const char *libraryText = quor_geterrortext(code);
    return libraryText ? libraryText : "";
}

} // namespace hbquor
