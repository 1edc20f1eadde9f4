#include "gui/online/TfrmUpdates.h"

#include "core/online/AppConfig.h"
#include "core/online/UpdateReply.h"
#include "core/online/UpdateRequest.h"
#include "core/online/UpdaterInstructions.h"
#include "core/text/Ansi.h"
#include "gui/dialogs/Prompter.h"
#include "gui/app/Shell.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace scribora::gui {

namespace {

QLineEdit *versionBox(QGroupBox *group, const char *name)
{
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(QStringLiteral("Software Version:"), group));
    auto *edit = new QLineEdit(group);
    edit->setObjectName(QLatin1String(name));
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    edit->setPalette(p);
    layout->addWidget(edit);
    return edit;
}

} // namespace

TfrmUpdates::TfrmUpdates(const QString &appPath, const online::ProductIdentity &product, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_appPath(appPath)
    , m_product(product)
    , m_maxReplySize(online::UpdateRequest::defaultMaxReplySize)
    , m_timeoutMs(online::UpdateRequest::defaultTimeoutMs)
{
    setObjectName(QStringLiteral("frmUpdates"));
    setWindowTitle(QStringLiteral("Check for updates"));
    setFixedSize(297, 179);

    auto *note = new QLabel(QStringLiteral("You will need to be connected to the internet to use this."), this);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);

    auto *installed = new QGroupBox(QStringLiteral("Installed"), this);
    installed->setObjectName(QStringLiteral("grpInstalled"));
    installed->setAlignment(Qt::AlignHCenter);
    txtCurrentVersion = versionBox(installed, "txtCurrentVersion");
    auto *available = new QGroupBox(QStringLiteral("Available"), this);
    available->setObjectName(QStringLiteral("grpAvailable"));
    available->setAlignment(Qt::AlignHCenter);
    txtAvailVersion = versionBox(available, "txtAvailVersion");

    bttnUpdate = new QPushButton(QStringLiteral("Check"), this);
    bttnUpdate->setObjectName(QStringLiteral("bttnUpdate"));
    bttnUpdate->setDefault(true);
    bttnClose = new QPushButton(QStringLiteral("&Close"), this);
    bttnClose->setObjectName(QStringLiteral("bttnClose"));
    connect(bttnUpdate, &QPushButton::clicked, this, &TfrmUpdates::bttnUpdateClick);
    connect(bttnClose, &QPushButton::clicked, this, &TfrmUpdates::bttnCloseClick);

    auto *groups = new QHBoxLayout;
    groups->addWidget(installed);
    groups->addWidget(available);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bttnUpdate);
    buttons->addWidget(bttnClose);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->addWidget(note);
    layout->addLayout(groups);
    layout->addStretch();
    layout->addLayout(buttons);

    FCurrentPreRelease = online::isPreReleaseText(m_product.version);
    txtCurrentVersion->setText(online::currentVersionText(m_product));
}

TfrmUpdates::~TfrmUpdates()
{
    // The request goes first, so that nothing it says reaches a half-destroyed dialog.
    delete m_request;
}

bool TfrmUpdates::isChecking() const
{
    return m_request && m_request->isRunning();
}

void TfrmUpdates::setRequestLimits(qint64 maxReplySize, int timeoutMs)
{
    m_maxReplySize = maxReplySize;
    m_timeoutMs = timeoutMs;
}

QString TfrmUpdates::communicationErrorText()
{
    return QStringLiteral("There was an error with communicating with the Velvane Website.\n"
                          "If you are currently connected to the internet, you may want to try again later.");
}

void TfrmUpdates::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    if (QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TfrmUpdates::CheckForUpdate()
{
    if (isChecking())
        return;
    setCursor(Qt::WaitCursor);
    online::AppConfig config;
    if (!config.Load(QDir(m_appPath).filePath(QStringLiteral("App.dll")))) {
        endCheck(false);
        return;
    }
    if (!m_request) {
        m_request = new online::UpdateRequest(this);
        connect(m_request, &online::UpdateRequest::finished, this, &TfrmUpdates::requestFinished);
    }
    m_request->setMaxReplySize(m_maxReplySize);
    m_request->setTimeoutMs(m_timeoutMs);
    // One check at a time; Close stays live throughout.
    bttnUpdate->setEnabled(false);
    m_request->start(QUrl(config.updateFileURL()));
}

void TfrmUpdates::requestFinished()
{
    if (!m_request->succeeded()) {
        unsetCursor();
        prompter().error(this, m_product.name, communicationErrorText());
        endCheck(false);
        return;
    }
    const online::UpdateReply reply = online::parseUpdateReply(text::fromAnsi(m_request->body()),
                                                               online::expectedReplyName(m_product));
    if (!reply.ok) {
        unsetCursor();
        prompter().error(this, m_product.name, communicationErrorText());
        endCheck(false);
        return;
    }
    m_availableFound = reply.found;
    if (reply.found) {
        txtAvailVersion->setText(reply.version);
        FUpdateLocation = reply.location;
        FAvailablePreRelease = reply.preRelease;
    }
    endCheck(true);
}

void TfrmUpdates::endCheck(bool ok)
{
    unsetCursor();
    bttnUpdate->setEnabled(true);
    if (ok) {
        bttnUpdate->setText(QStringLiteral("Update"));
        // Without a matching block there is nothing to update to, whatever the
        // installed version is.
        bttnUpdate->setEnabled(m_availableFound
                               && online::updateApplies(txtCurrentVersion->text(), FCurrentPreRelease,
                                                        txtAvailVersion->text(), FAvailablePreRelease));
    }
    emit checkFinished(ok);
}

void TfrmUpdates::bttnUpdateClick()
{
    if (bttnUpdate->text() == QLatin1String("Check")) {
        CheckForUpdate();
        return;
    }
    LaunchUpdater(m_appPath, m_product.name, FUpdateLocation, false);
    accept();
}

void TfrmUpdates::bttnCloseClick()
{
    reject();
}

void TfrmUpdates::done(int result)
{
    if (m_request)
        m_request->cancel();
    unsetCursor();
    QDialog::done(result);
}

bool TfrmUpdates::LaunchUpdater(const QString &folder, const QString &appName, const QString &location,
                                bool silent)
{
    if (!online::writeUpdaterInstructions(folder, appName, location, silent))
        return false;
    return shellOpen(
        QUrl::fromLocalFile(QDir(folder).filePath(QString::fromLatin1(online::updaterProgramFile))));
}

int showUpdatesDialog(QWidget *parent, const QString &appPath, const online::ProductIdentity &product)
{
    TfrmUpdates dialog(appPath, product, parent);
    return dialog.exec();
}

} // namespace scribora::gui
