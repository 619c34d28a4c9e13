#include "tests/support/WindowHelpers.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

DecodedQuery DecodeQuery(const QString& address) {
    DecodedQuery decoded;
    const QUrlQuery query{QUrl(address)};
    for (const auto& item : query.queryItems(QUrl::FullyDecoded)) {
        decoded.keys.append(item.first);
        decoded.values.insert(item.first, item.second);
    }
    return decoded;
}

void DeleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
