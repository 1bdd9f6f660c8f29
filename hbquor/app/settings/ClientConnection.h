// SPDX-License-Identifier: MIT
// ClientConnection: what the client core takes of the settings: the server,
// TLS, the retries and the proxy with its password for the run.
#pragma once

struct MainSettings;

namespace hbquor::client {
struct ConnectionSettings;
}

namespace hbquor::settings {

hbquor::client::ConnectionSettings ClientConnection(const MainSettings &settings);

} // namespace hbquor::settings
