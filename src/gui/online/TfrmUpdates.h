#pragma once

#include "core/online/UpdateDecision.h"

#include <QDialog>
#include <QPointer>

class QLineEdit;
class QPushButton;

namespace scribora::online {
class UpdateRequest;
}

namespace scribora::gui {

// The Tools menu item that opens the dialog.
inline constexpr char checkForUpdatesObjectName[] = "mnuVelvaneCheckForUpdates";
inline constexpr char checkForUpdatesCaption[] = "&Check for Updates...";
inline constexpr char checkForUpdatesHint[] = "Check for an update to this software";

// Compares the installed version with the one the maker publishes and starts the
// updater when a newer one applies. The request runs on the event loop: the
// dialog stays live, and closing it stops the request.
class TfrmUpdates : public QDialog
{
    Q_OBJECT

public:
    TfrmUpdates(const QString &appPath, const online::ProductIdentity &product,
                QWidget *parent = nullptr);
    ~TfrmUpdates() override;

    // Loads appPath + "App.dll" and asks its update address. checkFinished
    // follows once: false when the file cannot be loaded (silently) or the
    // reply cannot be had or read (after the communication message).
    void CheckForUpdate();

    // Writes folder + "update.cfg" and starts folder + "Update.exe" through the
    // desktop; the updater is not started without its instructions. Failures
    // are not reported to the user; the result says whether both steps worked.
    static bool LaunchUpdater(const QString &folder, const QString &appName, const QString &location,
                              bool silent);

    bool currentPreRelease() const { return FCurrentPreRelease; }
    bool availablePreRelease() const { return FAvailablePreRelease; }
    const QString &updateLocation() const { return FUpdateLocation; }
    bool isChecking() const;

    // For tests: the request's limits.
    void setRequestLimits(qint64 maxReplySize, int timeoutMs);

    static QString communicationErrorText();

signals:
    void checkFinished(bool ok);

protected:
    void done(int result) override;
    void showEvent(QShowEvent *event) override;

private:
    void bttnUpdateClick();
    void bttnCloseClick();
    void requestFinished();
    void endCheck(bool ok);

    QString m_appPath;
    online::ProductIdentity m_product;
    bool FCurrentPreRelease = false;
    bool FAvailablePreRelease = false;
    QString FUpdateLocation;
    bool m_availableFound = false;

    QLineEdit *txtCurrentVersion = nullptr;
    QLineEdit *txtAvailVersion = nullptr;
    QPushButton *bttnUpdate = nullptr;
    QPushButton *bttnClose = nullptr;
    online::UpdateRequest *m_request = nullptr;
    qint64 m_maxReplySize;
    int m_timeoutMs;
    bool m_centred = false;
};

// What the main window's Check for Updates item calls: shows the dialog modally
// over parent and frees it afterwards. Returns the dialog's result
// (QDialog::Accepted when the updater was started).
int showUpdatesDialog(QWidget *parent, const QString &appPath,
                      const online::ProductIdentity &product = online::ProductIdentity::running());

} // namespace scribora::gui
