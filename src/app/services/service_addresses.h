#pragma once

#include <QString>

namespace fendrake {

// Every outside service the program reads or opens. Hosts are ours to choose; paths and
// query keys are each check's own.
enum class Service {
    UpdateNotice, // the maker's update notice page and web log
    Whois,
    IdCard,
    ReportCentre,
};

QString serviceHost(Service service);

// "http://" + host; the caller appends its own path.
QString serviceBase(Service service);

// The user's text as typed, percent-encoding only what cannot stand in an address: controls,
// blank, non-ASCII (as GBK bytes), and # % & + ? (so pasted text never changes the structure).
QString encodeUserText(const QString &text);

// serviceBase(service) + pathAndQuery + encodeUserText(userText).
QString serviceAddress(Service service, const QString &pathAndQuery, const QString &userText = QString());

} // namespace fendrake
