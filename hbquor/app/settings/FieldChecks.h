// SPDX-License-Identifier: MIT
// FieldChecks: the checks the settings dialog runs on its fields as they are
// typed. Each returns the one-line reason shown beside a faulty field, or an
// empty text when the value is sound. No widgets.
#pragma once

#include <QString>

namespace hbquor::settings {

/// The chat server's host.
QString HostProblem(const QString &host);
/// A port typed as text: a number from 1 to 65535.
QString PortProblem(const QString &port);
/// The trusted certificate file: empty for none, else a readable file that
/// holds at least one PEM certificate.
QString CaFileProblem(const QString &fileName);
/// The proxy's host and port: both needed when a proxy is chosen, and
/// sound when given even without one (they are kept for later).
QString ProxyHostProblem(bool proxyChosen, const QString &host);
QString ProxyPortProblem(bool proxyChosen, const QString &port);

} // namespace hbquor::settings
