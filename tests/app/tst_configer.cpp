#include "ZkTest.h"
#include "app/Configer.h"
#include "app/Paths.h"
#include "data/ConnectionString.h"
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

using namespace ZkTest;

// Answers every HTTP request with `body` and remembers the request line.
class TOneLineServer : public QTcpServer {
public:
    explicit TOneLineServer(QByteArray body) : m_body(std::move(body))
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray req = s->readAll();
                RequestLine = QString::fromUtf8(req.left(req.indexOf('\r')));
                s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(m_body.size())
                         + "\r\nConnection: close\r\n\r\n" + m_body);
                s->disconnectFromHost();
            });
        });
        listen(QHostAddress::LocalHost);
    }
    QString Url() const { return QStringLiteral("http://127.0.0.1:%1/dip").arg(serverPort()); }
    QString RequestLine;

private:
    QByteArray m_body;
};

class TestConfiger : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scrambleIsItsOwnInverse_data();
    void scrambleIsItsOwnInverse();
    void firstRunUsesTheEmbeddedDatabase();
    void savedSettingsRoundTripAndStaySecret();
    void connectionStringOfEachProvider();
    void dipAnswers_data();
    void dipAnswers();
    void dipUnreachable();
    void lastLoginId();
};

void TestConfiger::scrambleIsItsOwnInverse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ascii") << QByteArray("secret;password=1");
    QTest::newRow("chinese utf8") << QStringLiteral("固定资产密码").toUtf8();
    QTest::newRow("gbk") << QByteArray("\xb9\xcc\xb6\xa8\xd7\xca\xb2\xfa");
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QTest::newRow("every byte") << all;
}

void TestConfiger::scrambleIsItsOwnInverse()
{
    QFETCH(QByteArray, bytes);
    const QByteArray once = Scramble(bytes);
    QCOMPARE(once.size(), bytes.size());
    QCOMPARE(Scramble(once), bytes);
    if (!bytes.isEmpty())
        QVERIFY(once != bytes);
    // The key "quorbistav" starts at its second letter: 'a' ^ ('u' % 10) = 'f', then 'a' ^ ('o' % 10) = '`'.
    QCOMPARE(Scramble(QByteArray("aa")), QByteArray("f`"));
}

void TestConfiger::firstRunUsesTheEmbeddedDatabase()
{
    TFreshHome home;
    TConfiger c;
    QCOMPARE(c.ProviderIdx, int(piLocalFile));
    QVERIFY(c.DefaultCon);
    QCOMPARE(c.MssqlPort, 5432);
    const TConnectionString cs(c.ConnectionString());
    QCOMPARE(cs.Value(QStringLiteral("Provider")), QStringLiteral("SQLite"));
    QCOMPARE(cs.Value(QStringLiteral("Data Source")), home.Path() + QStringLiteral("/zokamo.db"));
    QVERIFY(!QFile::exists(ZoPaths::ConfigFile())); // nothing is written in advance
}

void TestConfiger::savedSettingsRoundTripAndStaySecret()
{
    TFreshHome home;
    {
        TConfiger c;
        c.ProviderIdx = piServer;
        c.MssqlServer = QStringLiteral("db.example");
        c.MssqlPort = 6543;
        c.MssqlDb = QStringLiteral("资产库");
        c.MssqlUser = QStringLiteral("kamo");
        c.MssqlPw = QStringLiteral("密码;\"x\"\n");
        c.JetFile = QStringLiteral("/srv/账本.db");
        c.JetPw = QStringLiteral("jetpw");
        c.DipUrl = QStringLiteral("http://dip/x");
        c.DipUser = QStringLiteral("u1");
        QVERIFY(c.Save());
    }
    QFile f(ZoPaths::ConfigFile());
    QCOMPARE(f.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(!text.contains("jetpw"));
    QVERIFY(!text.contains(QStringLiteral("密码").toUtf8()));
    QVERIFY(text.contains("[db]"));
    TConfiger back;
    QCOMPARE(back.ProviderIdx, int(piServer));
    QCOMPARE(back.MssqlPort, 6543);
    QCOMPARE(back.MssqlDb, QStringLiteral("资产库"));
    QCOMPARE(back.MssqlPw, QStringLiteral("密码;\"x\"\n"));
    QCOMPARE(back.JetFile, QStringLiteral("/srv/账本.db"));
    QCOMPARE(back.DipUser, QStringLiteral("u1"));
    QVERIFY(!back.SmartConnect);
    const TConnectionString cs(back.ConnectionString());
    QCOMPARE(cs.Value(QStringLiteral("Provider")), QStringLiteral("PostgreSQL"));
    QCOMPARE(cs.Value(QStringLiteral("Data Source")), QStringLiteral("db.example"));
    QCOMPARE(cs.Value(QStringLiteral("Port")), QStringLiteral("6543"));
    QCOMPARE(cs.Value(QStringLiteral("Password")), QStringLiteral("密码;\"x\"\n"));
    QCOMPARE(cs.Value(QStringLiteral("Initial Catalog")), QStringLiteral("资产库"));
}

void TestConfiger::connectionStringOfEachProvider()
{
    TFreshHome home;
    TConfiger c;
    c.ProviderIdx = piLocalFile;
    c.DefaultCon = false;
    c.JetFile = QStringLiteral("/data/other.db");
    QVERIFY(c.Save());
    QCOMPARE(TConnectionString(TConfiger().ConnectionString()).Value(QStringLiteral("Data Source")), QStringLiteral("/data/other.db"));
    // With the default ticked the stored string is ignored.
    c.DefaultCon = true;
    QVERIFY(c.Save());
    QCOMPARE(TConnectionString(TConfiger().ConnectionString()).Value(QStringLiteral("Data Source")), ZoPaths::DefaultDatabase());
    // The network provider stores no string of its own.
    c.ProviderIdx = piDip;
    c.DipUrl = QStringLiteral("http://127.0.0.1:1/none");
    QVERIFY(c.Save());
    QCOMPARE(QString::fromUtf8(Scramble(TConfiger::OpenIni().ReadBytes(QStringLiteral("db"), QStringLiteral("ConnStr")))), QString());
}

void TestConfiger::dipAnswers_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("usable");
    QTest::newRow("five lines") << QByteArray("pg.local\r\n6000\r\nkamo\r\nsecret\r\nledger\r\n") << true;
    QTest::newRow("five lines without final break") << QByteArray("pg.local\n6000\nkamo\nsecret\nledger") << true;
    QTest::newRow("four lines") << QByteArray("pg.local\n6000\nkamo\nsecret\n") << false;
    QTest::newRow("six lines") << QByteArray("pg.local\n6000\nkamo\nsecret\nledger\nextra\n") << false;
}

void TestConfiger::dipAnswers()
{
    QFETCH(QByteArray, body);
    QFETCH(bool, usable);
    TFreshHome home;
    TOneLineServer server(body);
    TConfiger c;
    c.ProviderIdx = piDip;
    c.DipUrl = server.Url();
    c.DipUser = QStringLiteral("zhang");
    const QString result = c.ConnectionString();
    QCOMPARE(server.RequestLine, QStringLiteral("GET /dip?user=zhang HTTP/1.1"));
    QVERIFY(home.Prompter().Messages.isEmpty());
    if (!usable) {
        QCOMPARE(result, QString());
        return;
    }
    const TConnectionString cs(result);
    QCOMPARE(cs.Value(QStringLiteral("Provider")), QStringLiteral("PostgreSQL"));
    QCOMPARE(cs.Value(QStringLiteral("Data Source")), QStringLiteral("pg.local"));
    QCOMPARE(cs.Value(QStringLiteral("Port")), QStringLiteral("6000"));
    QCOMPARE(cs.Value(QStringLiteral("User ID")), QStringLiteral("kamo"));
    QCOMPARE(cs.Value(QStringLiteral("Password")), QStringLiteral("secret"));
    QCOMPARE(cs.Value(QStringLiteral("Initial Catalog")), QStringLiteral("ledger"));
}

void TestConfiger::dipUnreachable()
{
    TFreshHome home;
    TConfiger c;
    c.ProviderIdx = piDip;
    c.DipUrl = QStringLiteral("http://127.0.0.1:1/dip");
    QCOMPARE(c.ConnectionString(), QString());
    QCOMPARE(home.Prompter().LastText(), QStringLiteral("\r\n无法获得DIP连接信息,请检查网络是否畅通.\t"));
}

void TestConfiger::lastLoginId()
{
    TFreshHome home;
    QCOMPARE(TConfiger::ReadLastLoginId(), QString());
    TConfiger::WriteLastLoginId(QStringLiteral("张三"));
    QCOMPARE(TConfiger::ReadLastLoginId(), QStringLiteral("张三"));
    // Saving the connection keeps the login section.
    TConfiger c;
    QVERIFY(c.Save());
    QCOMPARE(TConfiger::ReadLastLoginId(), QStringLiteral("张三"));
}

QTEST_GUILESS_MAIN(TestConfiger)
#include "tst_configer.moc"
