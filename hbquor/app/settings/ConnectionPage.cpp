// SPDX-License-Identifier: MIT
#include "ConnectionPage.h"

#include "FieldChecks.h"
#include "FieldReason.h"
#include "MainSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hbquor::settings {

namespace {

/// The field's column in the page's grid; labels are left of it, reasons right.
constexpr int FieldColumn = 1;
constexpr int ReasonColumn = 2;

QString PortText(int port) {
    return port > 0 ? QString::number(port) : QString();
}

QString AskForCaFile(QWidget *parent, const QString &current) {
    return QFileDialog::getOpenFileName(parent, ConnectionPage::tr("Trusted certificate"), current,
                                        ConnectionPage::tr("PEM certificates (*.pem *.crt);;"
                                                           "All files (*)"));
}

} // namespace

ConnectionPage::ConnectionPage(const QString &rememberProblem, ChooseFile chooseFile,
                               QWidget *parent)
    : SettingsPage(parent), FChooseFile(chooseFile ? std::move(chooseFile) : AskForCaFile) {
    auto *grid = new QGridLayout(this);
    inpHost = AddField(grid, tr("Ser&ver"));
    inpPort = AddField(grid, tr("&Port"));
    cbTls = new QCheckBox(tr("Connect with &TLS"), this);
    grid->addWidget(cbTls, grid->rowCount(), FieldColumn);
    inpCaFile = AddField(grid, tr("Truste&d certificate"));
    btCaFile = new QPushButton(tr("&Browse ..."), this);
    btCaFile->setAccessibleDescription(tr("Chooses the trusted certificate file"));
    grid->addWidget(btCaFile, grid->rowCount(), FieldColumn, Qt::AlignLeft);
    cbAutoReconnect = new QCheckBox(tr("Reconnect by itse&lf"), this);
    grid->addWidget(cbAutoReconnect, grid->rowCount(), FieldColumn);

    cbProxyType = new QComboBox(this);
    cbProxyType->addItems({tr("none"), QStringLiteral("SOCKS5"), QStringLiteral("HTTP")});
    const int proxyRow = grid->rowCount();
    auto *proxyLabel = new QLabel(tr("Pro&xy"), this);
    proxyLabel->setBuddy(cbProxyType);
    grid->addWidget(proxyLabel, proxyRow, 0);
    grid->addWidget(cbProxyType, proxyRow, FieldColumn);
    inpProxyHost = AddField(grid, tr("Proxy &host"));
    inpProxyPort = AddField(grid, tr("Proxy po&rt"));
    inpProxyUser = AddField(grid, tr("Proxy &user"));
    inpProxyPassword = AddField(grid, tr("Proxy pass&word"));
    inpProxyPassword->setEchoMode(QLineEdit::Password);
    cbRememberPassword = new QCheckBox(tr("Re&member password"), this);
    grid->addWidget(cbRememberPassword, grid->rowCount(), FieldColumn);
    cbAutoLogon = new QCheckBox(tr("Log on by itself at st&art"), this);
    grid->addWidget(cbAutoLogon, grid->rowCount(), FieldColumn);
    grid->setRowStretch(grid->rowCount(), 1);
    if (!rememberProblem.isEmpty()) {
        cbRememberPassword->setEnabled(false);
        cbRememberPassword->setToolTip(tr("Not possible: ") + rememberProblem);
        cbRememberPassword->setAccessibleDescription(cbRememberPassword->toolTip());
    }
    auto autoLogonFollows = [this] {
        cbAutoLogon->setEnabled(cbRememberPassword->isEnabled() && cbRememberPassword->isChecked());
    };
    connect(cbRememberPassword, &QCheckBox::toggled, this, autoLogonFollows);
    autoLogonFollows();

    for (QLineEdit *field : {inpHost, inpPort, inpCaFile, inpProxyHost, inpProxyPort})
        connect(field, &QLineEdit::textChanged, this, &ConnectionPage::Check);
    connect(cbProxyType, &QComboBox::currentIndexChanged, this, &ConnectionPage::Check);
    connect(btCaFile, &QPushButton::clicked, this, [this] {
        const QString chosen = FChooseFile(this, inpCaFile->text());
        if (!chosen.isEmpty())
            inpCaFile->setText(chosen);
    });
    Check();
}

QString ConnectionPage::Title() const {
    return tr("Connect&ion");
}

QLineEdit *ConnectionPage::AddField(QGridLayout *grid, const QString &label) {
    const int row = grid->rowCount();
    auto *field = new QLineEdit(this);
    auto *name = new QLabel(label, this);
    name->setBuddy(field);
    auto *reason = new FieldReason(field, this);
    grid->addWidget(name, row, 0);
    grid->addWidget(field, row, FieldColumn);
    grid->addWidget(reason, row, ReasonColumn);
    FReasons.append({field, reason});
    return field;
}

FieldReason *ConnectionPage::ReasonOf(const QLineEdit *field) const {
    for (const auto &[checked, reason] : FReasons)
        if (checked == field)
            return reason;
    return nullptr;
}

void ConnectionPage::Check() {
    const bool proxy = cbProxyType->currentIndex() > 0;
    const QList<QPair<QLineEdit *, QString>> problems{
        {inpHost, HostProblem(inpHost->text())},
        {inpPort, PortProblem(inpPort->text())},
        {inpCaFile, CaFileProblem(inpCaFile->text())},
        {inpProxyHost, ProxyHostProblem(proxy, inpProxyHost->text())},
        {inpProxyPort, ProxyPortProblem(proxy, inpProxyPort->text())},
    };
    bool valid = true;
    for (const auto &[field, problem] : problems)
        valid = ReasonOf(field)->Show(problem) && valid;
    if (valid != FValid) {
        FValid = valid;
        emit ValidityChanged();
    }
}

void ConnectionPage::Load(const MainSettings &settings) {
    const ConnectionSettings &c = settings.Connection;
    inpHost->setText(settings.QuorHost);
    inpPort->setText(PortText(settings.QuorPort));
    cbTls->setChecked(c.Tls);
    inpCaFile->setText(c.CaFile);
    cbAutoReconnect->setChecked(c.AutoReconnect);
    cbProxyType->setCurrentIndex(static_cast<int>(c.ProxyType));
    inpProxyHost->setText(c.ProxyHost);
    inpProxyPort->setText(PortText(c.ProxyPort));
    inpProxyUser->setText(c.ProxyUser);
    inpProxyPassword->setText(c.ProxyPassword);
    cbRememberPassword->setChecked(c.RememberPassword);
    cbAutoLogon->setChecked(c.AutoLogon);
}

void ConnectionPage::Store(MainSettings &settings) const {
    ConnectionSettings &c = settings.Connection;
    settings.QuorHost = inpHost->text().trimmed();
    settings.QuorPort = inpPort->text().trimmed().toInt();
    c.Tls = cbTls->isChecked();
    c.CaFile = inpCaFile->text().trimmed();
    c.AutoReconnect = cbAutoReconnect->isChecked();
    c.ProxyType = static_cast<ConnectionSettings::Proxy>(cbProxyType->currentIndex());
    c.ProxyHost = inpProxyHost->text().trimmed();
    // A port left empty stays unset (0).
    c.ProxyPort = inpProxyPort->text().trimmed().toInt();
    c.ProxyUser = inpProxyUser->text().trimmed();
    c.ProxyPassword = inpProxyPassword->text();
    c.RememberPassword = cbRememberPassword->isChecked();
    // Without a remembered password there is nothing to log on with.
    c.AutoLogon = c.RememberPassword && cbAutoLogon->isChecked();
}

} // namespace hbquor::settings
