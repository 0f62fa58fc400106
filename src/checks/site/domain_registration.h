#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace fendrake {

struct WhoisLabel
{
    QStringView find;
    QStringView replacement; // empty: the row deletes its find text
};

// Our whois service's site name exactly as its pages print it; the rewrite deletes it.
inline constexpr QStringView kWhoisSiteName = u"Whois.Fendrake.net";

// The service's answer for a domain that cannot be registered.
inline constexpr QStringView kWhoisReservedMarker = u"the domain you want to register is reserved";

// Rows in their order: each row works on the output of the rows before it.
extern const std::array<WhoisLabel, 163> WhoisLabelTable;

// The whois page of the domain as typed; only what cannot stand in an address is encoded.
QString whoisAddress(const QString &domain);

bool isReservedDomainPage(const QString &whoisText);

// Every row in order replaces each occurrence left to right, never rescanning its own replacement.
QString rewriteWhoisText(QString text, std::span<const WhoisLabel> table = WhoisLabelTable);

} // namespace fendrake
