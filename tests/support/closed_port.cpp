#include "closed_port.h"

#include <QTcpServer>

namespace fendrake::test {

quint16 closedLocalPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = server.serverPort();
    server.close();
    return port;
}

} // namespace fendrake::test
