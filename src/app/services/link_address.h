#pragma once

#include <QString>
#include <QStringList>

namespace fendrake {

// Addresses as a browser reports them: parsed and serialised by the URL standard's rules (scheme and host
// lower-cased, default port dropped, dot segments resolved, "/" for an empty web path, what cannot stand in an
// address percent-encoded, existing escapes kept as written).

// Each link's href, resolved against the document's address; its query is encoded in the page's GBK, as a browser
// does for a GBK page. An href that does not parse comes back as written.
QStringList linkAddresses(const QStringList &hrefs, const QString &documentAddress);

// The address of the document shown (LocationURL). An address that does not parse comes back as given.
QString browserAddress(const QString &address);

} // namespace fendrake
