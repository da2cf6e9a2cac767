#include "app/Configer.h"
#include "app/Paths.h"
#include "app/Prompter.h"
#include "data/ConnectionString.h"
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

namespace {
const QString kDb = QStringLiteral("db");
const QString kLogin = QStringLiteral("Login");
} // namespace

QByteArray Scramble(const QByteArray &bytes)
{
    static const char key[] = "quorbistav";
    QByteArray out(bytes);
    for (int i = 0; i < out.size(); ++i)
        out[i] = char(static_cast<unsigned char>(out[i]) ^ (static_cast<unsigned char>(key[(i + 1) % 10]) % 10));
    return out;
}

TIniFile TConfiger::OpenIni()
{
    return TIniFile(ZoPaths::ConfigFile());
}

TConfiger::TConfiger() : m_ini(OpenIni())
{
    auto secret = [this](const QString &key) { return QString::fromUtf8(::Scramble(m_ini.ReadBytes(kDb, key))); };
    MssqlServer = m_ini.ReadString(kDb, QStringLiteral("mssqlServer"));
    MssqlPort = m_ini.ReadInteger(kDb, QStringLiteral("mssqlPort"), 5432);
    MssqlDb = m_ini.ReadString(kDb, QStringLiteral("mssqlDb"));
    MssqlUser = m_ini.ReadString(kDb, QStringLiteral("mssqlUser"));
    MssqlPw = secret(QStringLiteral("mssqlPw"));
    JetFile = secret(QStringLiteral("jetfile"));
    JetUser = m_ini.ReadString(kDb, QStringLiteral("jetUser"));
    JetPw = secret(QStringLiteral("jetPw"));
    DipUrl = m_ini.ReadString(kDb, QStringLiteral("dipUrl"));
    DipUser = m_ini.ReadString(kDb, QStringLiteral("dipUser"));
    ProviderIdx = m_ini.ReadInteger(kDb, QStringLiteral("providerIdx"), piLocalFile);
    DefaultCon = m_ini.ReadBool(kDb, QStringLiteral("defaultCon"), true);
}

bool TConfiger::Save()
{
    auto secret = [this](const QString &key, const QString &value) { m_ini.WriteBytes(kDb, key, ::Scramble(value.toUtf8())); };
    m_ini.WriteString(kDb, QStringLiteral("mssqlServer"), MssqlServer);
    m_ini.WriteInteger(kDb, QStringLiteral("mssqlPort"), MssqlPort);
    m_ini.WriteString(kDb, QStringLiteral("mssqlDb"), MssqlDb);
    m_ini.WriteString(kDb, QStringLiteral("mssqlUser"), MssqlUser);
    secret(QStringLiteral("mssqlPw"), MssqlPw);
    secret(QStringLiteral("jetfile"), JetFile);
    m_ini.WriteString(kDb, QStringLiteral("jetUser"), JetUser);
    secret(QStringLiteral("jetPw"), JetPw);
    m_ini.WriteString(kDb, QStringLiteral("dipUrl"), DipUrl);
    m_ini.WriteString(kDb, QStringLiteral("dipUser"), DipUser);
    m_ini.WriteInteger(kDb, QStringLiteral("providerIdx"), ProviderIdx);
    m_ini.WriteBool(kDb, QStringLiteral("defaultCon"), DefaultCon);
    if (ProviderIdx == piServer)
        WriteServerAlias(MssqlServer, QString::number(MssqlPort), SmartConnect);
    secret(QStringLiteral("ConnStr"), derivedConnectionString());
    return m_ini.Save();
}

QString TConfiger::derivedConnectionString() const
{
    switch (ProviderIdx) {
    case piServer:
        return ServerConnectionString(MssqlServer, MssqlPort, MssqlUser, MssqlPw, MssqlDb);
    case piLocalFile:
        return LocalFileConnectionString(JetFile);
    default:
        return QString();
    }
}

QString TConfiger::ConnectionString()
{
    if (UsesDefaultDatabase())
        return DefaultDatabaseConnectionString();
    if (ProviderIdx == piDip)
        return FetchDipConnection();
    return QString::fromUtf8(::Scramble(m_ini.ReadBytes(kDb, QStringLiteral("ConnStr"))));
}

QString TConfiger::DefaultDatabaseConnectionString()
{
    return LocalFileConnectionString(ZoPaths::DefaultDatabase());
}

QString TConfiger::LocalFileConnectionString(const QString &path)
{
    TConnectionString cs;
    cs.Set(QStringLiteral("Provider"), QStringLiteral("SQLite"));
    cs.Set(QStringLiteral("Data Source"), path);
    return cs.ToString();
}

QString TConfiger::ServerConnectionString(const QString &server, int port, const QString &user,
                                          const QString &password, const QString &database)
{
    TConnectionString cs;
    cs.Set(QStringLiteral("Provider"), QStringLiteral("PostgreSQL"));
    cs.Set(QStringLiteral("Data Source"), server);
    cs.Set(QStringLiteral("Port"), QString::number(port));
    cs.Set(QStringLiteral("User ID"), user);
    cs.Set(QStringLiteral("Password"), password);
    cs.Set(QStringLiteral("Initial Catalog"), database);
    return cs.ToString();
}

QString TConfiger::FetchDipConnection()
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(QStringLiteral("%1?user=%2").arg(DipUrl, DipUser)));
    request.setTransferTimeout(30000);
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QByteArray body = reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError;
    reply->deleteLater();
    if (failed) {
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
        return QString();
    }
    QStringList lines = QString::fromUtf8(body).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // a final line break ends the last line, it adds none
    for (QString &l : lines)
        if (l.endsWith(u'\r'))
            l.chop(1);
    if (lines.size() != 5)
        return QString();
    WriteServerAlias(lines[0], lines[1], false);
    bool ok = false;
    const int port = lines[1].trimmed().toInt(&ok);
    return ServerConnectionString(lines[0], ok ? port : 5432, lines[2], lines[3], lines[4]);
}

QString TConfiger::ReadLastLoginId()
{
    return OpenIni().ReadString(kLogin, QStringLiteral("LastLoginId"));
}

void TConfiger::WriteLastLoginId(const QString &loginId)
{
    TIniFile ini = OpenIni();
    ini.WriteString(kLogin, QStringLiteral("LastLoginId"), loginId);
    ini.Save();
}
