#pragma once
#include "app/IniFile.h"
#include <QByteArray>
#include <QString>

// XORs every byte with the key "quorbistav" (byte (i+1) mod 10, taken mod 10);
// it is its own inverse. Used for the secrets stored in cfg.ini.
QByteArray Scramble(const QByteArray &bytes);

// The provider numbers of cfg.ini.
enum TProviderIdx { piServer = 0, piLocalFile = 1, piDip = 2 };

// The connection settings of cfg.ini (section [db]) and the connection
// strings derived from them.
class TConfiger {
public:
    TConfiger();

    QString MssqlServer;
    int MssqlPort = 5432;
    QString MssqlDb;
    QString MssqlUser;
    QString MssqlPw;
    bool SmartConnect = false;
    QString JetFile;
    QString JetUser;
    QString JetPw;
    QString DipUrl;
    QString DipUser;
    int ProviderIdx = piLocalFile;
    bool DefaultCon = true;

    // Writes every [db] key and the derived connection string; false when cfg.ini could not be written.
    bool Save();
    // The string the program connects with.
    QString ConnectionString();
    // True when ConnectionString() names the default database file of the data home.
    bool UsesDefaultDatabase() const { return ProviderIdx == piLocalFile && DefaultCon; }

    // Asks the connection-information service; five lines (server, port,
    // user, password, database) give a server connection string, anything else "".
    QString FetchDipConnection();
    // Client aliases do not exist on this platform; kept for the dialog's sake.
    static void WriteServerAlias(const QString &server, const QString &port, bool remove) {}

    static QString DefaultDatabaseConnectionString();
    static QString LocalFileConnectionString(const QString &path);
    static QString ServerConnectionString(const QString &server, int port, const QString &user,
                                          const QString &password, const QString &database);

    static QString ReadLastLoginId();
    static void WriteLastLoginId(const QString &loginId);

    static TIniFile OpenIni();

private:
    QString derivedConnectionString() const;
    TIniFile m_ini;
};
