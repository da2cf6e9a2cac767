#include "ui/windows/DBConfig.h"
#include "app/Prompter.h"
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QLineEdit *makeEdit(QWidget *parent, const char *name, bool masked = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (masked)
        e->setEchoMode(QLineEdit::Password);
    return e;
}
} // namespace

TDBConfigFrm::TDBConfigFrm(QWidget *parent) : QDialog(parent), m_configer(std::make_unique<TConfiger>())
{
    setObjectName(QStringLiteral("DBConfigFrm"));
    setWindowTitle(QStringLiteral("数据库连接"));
    setFixedSize(516, 368);

    auto *root = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *notes = new QVBoxLayout;
    for (const QString &t : {QStringLiteral("注意，程序无法正常连接到指定的数据库。"),
                             QStringLiteral("1.单机版用户，请检查数据库文件是否存在或者已被破坏；"),
                             QStringLiteral("2.网络版用户，请检查网络是否畅通以及数据库服务器是否启动。"),
                             QStringLiteral("另外，请检查以下连接参数是否正确：")})
        notes->addWidget(new QLabel(t, this));
    top->addWidget(icon);
    top->addLayout(notes, 1);
    root->addLayout(top);

    auto *providerRow = new QHBoxLayout;
    providerRow->addWidget(new QLabel(QStringLiteral("提供者"), this));
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("PostgreSQL 数据库服务器"), QStringLiteral("SQLite 本地数据库文件"),
                         QStringLiteral("Zo Dip Provider for PostgreSQL")});
    providerRow->addWidget(ComboBox1, 1);
    root->addLayout(providerRow);

    auto *group = new QGroupBox(QStringLiteral("参数"), this);
    auto *groupLayout = new QVBoxLayout(group);
    Notebook1 = new QStackedWidget(group);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));
    groupLayout->addWidget(Notebook1);
    root->addWidget(group, 1);

    auto *mssql = new QWidget(Notebook1);
    mssql->setObjectName(QStringLiteral("mssql"));
    auto *f0 = new QFormLayout(mssql);
    mssqlServerEdit1 = makeEdit(mssql, "mssqlServerEdit1");
    mssqlPortEdit1 = makeEdit(mssql, "mssqlPortEdit1");
    mssqlPortEdit1->setText(QStringLiteral("5432"));
    mssqlDbEdit1 = makeEdit(mssql, "mssqlDbEdit1");
    mssqlUserEdit1 = makeEdit(mssql, "mssqlUserEdit1");
    mssqlPwEdit1 = makeEdit(mssql, "mssqlPwEdit1", true);
    CheckBox1 = new QCheckBox(QStringLiteral("采用智能连接"), mssql);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setVisible(false); // no client aliases on this platform
    f0->addRow(QStringLiteral("服务器"), mssqlServerEdit1);
    f0->addRow(QStringLiteral("端口"), mssqlPortEdit1);
    f0->addRow(QStringLiteral("数据库名"), mssqlDbEdit1);
    f0->addRow(QStringLiteral("登陆名"), mssqlUserEdit1);
    f0->addRow(QStringLiteral("密 码"), mssqlPwEdit1);
    Notebook1->addWidget(mssql);

    auto *jet = new QWidget(Notebook1);
    jet->setObjectName(QStringLiteral("jet4"));
    auto *f1 = new QFormLayout(jet);
    jetDefaultCheckBox1 = new QCheckBox(QStringLiteral("使用默认连接"), jet);
    jetDefaultCheckBox1->setObjectName(QStringLiteral("jetDefaultCheckBox1"));
    jetfileEdit1 = makeEdit(jet, "jetfileEdit1");
    jetFileButton1 = new QPushButton(QStringLiteral("..."), jet);
    jetFileButton1->setObjectName(QStringLiteral("jetFileButton1"));
    jetFileButton1->setFixedWidth(32);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(jetfileEdit1, 1);
    fileRow->addWidget(jetFileButton1);
    jetUserEdit1 = makeEdit(jet, "jetUserEdit1");
    jetPwEdit1 = makeEdit(jet, "jetPwEdit1", true);
    f1->addRow(jetDefaultCheckBox1);
    f1->addRow(QStringLiteral("数据库文件:"), fileRow);
    f1->addRow(QStringLiteral("用户名:"), jetUserEdit1);
    f1->addRow(QStringLiteral("密码:"), jetPwEdit1);
    Notebook1->addWidget(jet);

    auto *dip = new QWidget(Notebook1);
    dip->setObjectName(QStringLiteral("zodip"));
    auto *f2 = new QFormLayout(dip);
    edtDipUrl1 = makeEdit(dip, "edtDipUrl1");
    edtDipUser1 = makeEdit(dip, "edtDipUser1");
    f2->addRow(QStringLiteral("DIP地址"), edtDipUrl1);
    f2->addRow(QStringLiteral("DIP用户"), edtDipUser1);
    Notebook1->addWidget(dip);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    Button1 = new QPushButton(QStringLiteral("确定(&Y)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    root->addLayout(buttons);

    // FormCreate: the controls show the stored settings.
    const TConfiger &c = *m_configer;
    mssqlServerEdit1->setText(c.MssqlServer);
    mssqlPortEdit1->setText(QString::number(c.MssqlPort));
    mssqlDbEdit1->setText(c.MssqlDb);
    mssqlUserEdit1->setText(c.MssqlUser);
    mssqlPwEdit1->setText(c.MssqlPw);
    CheckBox1->setChecked(c.SmartConnect);
    jetfileEdit1->setText(c.JetFile);
    jetUserEdit1->setText(c.JetUser);
    jetPwEdit1->setText(c.JetPw);
    edtDipUrl1->setText(c.DipUrl);
    edtDipUser1->setText(c.DipUser);
    jetDefaultCheckBox1->setChecked(c.DefaultCon);
    ComboBox1->setCurrentIndex(qBound(0, c.ProviderIdx, 2));
    Notebook1->setCurrentIndex(ComboBox1->currentIndex());
    jetDefaultCheckBox1Click();

    connect(ComboBox1, &QComboBox::activated, this, &TDBConfigFrm::ComboBox1Select);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDBConfigFrm::ComboBox1Select);
    connect(jetDefaultCheckBox1, &QCheckBox::toggled, this, &TDBConfigFrm::jetDefaultCheckBox1Click);
    connect(jetFileButton1, &QPushButton::clicked, this, &TDBConfigFrm::jetFileButton1Click);
    connect(Button1, &QPushButton::clicked, this, &TDBConfigFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

TDBConfigFrm::~TDBConfigFrm() = default;

void TDBConfigFrm::ComboBox1Select(int index)
{
    Notebook1->setCurrentIndex(index);
}

void TDBConfigFrm::jetDefaultCheckBox1Click()
{
    const bool own = !jetDefaultCheckBox1->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(jetfileEdit1), static_cast<QWidget *>(jetFileButton1),
                       static_cast<QWidget *>(jetUserEdit1), static_cast<QWidget *>(jetPwEdit1)})
        w->setEnabled(own);
}

void TDBConfigFrm::jetFileButton1Click()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("数据库文件"), jetfileEdit1->text());
    if (!file.isEmpty())
        jetfileEdit1->setText(file);
}

bool TDBConfigFrm::ApplyAndSave()
{
    bool ok = false;
    const int port = mssqlPortEdit1->text().trimmed().toInt(&ok);
    if (!ok) {
        ShowInfo(QStringLiteral("“%1”不是有效的整数值").arg(mssqlPortEdit1->text()));
        mssqlPortEdit1->setFocus();
        return false;
    }
    TConfiger &c = *m_configer;
    c.MssqlServer = mssqlServerEdit1->text().trimmed();
    c.MssqlPort = port;
    c.MssqlDb = mssqlDbEdit1->text().trimmed();
    c.MssqlUser = mssqlUserEdit1->text().trimmed();
    c.MssqlPw = mssqlPwEdit1->text();
    c.SmartConnect = CheckBox1->isChecked();
    c.JetFile = jetfileEdit1->text().trimmed();
    c.JetUser = jetUserEdit1->text();
    c.JetPw = jetPwEdit1->text();
    c.DipUrl = edtDipUrl1->text().trimmed();
    c.DipUser = edtDipUser1->text().trimmed();
    c.ProviderIdx = ComboBox1->currentIndex();
    c.DefaultCon = jetDefaultCheckBox1->isChecked();
    if (!c.Save()) {
        ShowInfo(QStringLiteral("无法写入配置文件,请检查数据目录的权限."));
        return false;
    }
    return true;
}

void TDBConfigFrm::Button1Click()
{
    if (ApplyAndSave())
        accept();
}

void TDBConfigFrm::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focusWidget() != Button1
        && focusWidget() != Button2) {
        focusNextChild();
        return;
    }
    QDialog::keyPressEvent(event);
}
